#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/program.h"
#include "platform/win32/files.h"
#include "platform/win32/registry.h"
#include "platform/win32/resources.h"
#include "platform/win32/session.h"
#include "platform/win32/shell.h"
#include "platform/win32/system_info.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/window_system.h"
#include "toolkit/win32/backend.h"
#include "memory_surface.h"
#include "toolkit/win32/canvas.h"
#include "windows/form4.h"

namespace {

// The real shell, but with a personal folder of the test's own.
class ScratchShell : public win32::Win32Shell {
 public:
  explicit ScratchShell(std::string folder) : folder_(std::move(folder)) {}
  std::optional<std::string> personalFolder(platform::WindowHandle) const override { return folder_; }

 private:
  std::string folder_;
};

std::vector<std::uint8_t> asset(const std::string& name) {
  std::ifstream in(std::string(VELTRANA_ASSETS_DIR) + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::span<const std::uint8_t> bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string settings(const char* skin) {
  // Autostart off: the test leaves the Run key alone.
  return std::string("1\r\n5\r\n") + skin + "\r\n0\r\n32768\r\nFalse\r\nStay\r\n";
}

struct Counts {
  long dcs = win32::UniqueDc::liveCount();
  long bitmaps = win32::UniqueBitmap::liveCount();
  long fonts = win32::UniqueFont::liveCount();
  long files = win32::UniqueFile::liveCount();
  long keys = win32::UniqueKey::liveCount();
  long handles = win32::UniqueHandle::liveCount();
  long windows = win32::UniqueWindow::liveCount();
  bool operator==(const Counts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Counts& c) {
  return out << "DCs " << c.dcs << ", bitmaps " << c.bitmaps << ", fonts " << c.fonts << ", files " << c.files
             << ", keys " << c.keys << ", handles " << c.handles << ", windows " << c.windows;
}

std::size_t privateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  ::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters);
  return counters.PagefileUsage;
}

// The real program on the real window system, driven without its message
// loop: gauges painted, skins switched and the menu panel shown and hidden
// many times. No handle, GDI object or file may be left over, and the
// process's memory must stay within a small bound.
TEST(Endurance, PaintingSkinsAndThePanelLeaveNothingBehind) {
  wchar_t temp[MAX_PATH];
  ::GetTempPathW(MAX_PATH, temp);
  const std::string personal = win32::narrow(temp) + "veltrana-endurance-" + std::to_string(::GetCurrentProcessId());
  const std::string folder = personal + "\\VTR\\";
  ::CreateDirectoryW(win32::widen(personal).c_str(), nullptr);
  ::CreateDirectoryW(win32::widen(folder).c_str(), nullptr);
  win32::Win32Files files;
  for (const char* skin : {"silver.bmp", "olive.bmp", "blue.bmp"})
    ASSERT_EQ(files.createWith(folder + skin, asset(std::string("skins/") + skin)), 0);
  ASSERT_EQ(files.createWith(folder + "Options.set", bytes(settings("Silver"))), 0);

  win32::Win32WindowSystem windowSystem;
  win32::Win32SystemInfo systemInfo;
  win32::Win32Resources resources;
  ScratchShell shell(personal);
  win32::Win32Registry registry;
  win32::Win32Session session;
  win32::Win32Multimedia multimedia;
  const platform::Ports ports{windowSystem, systemInfo, resources, files, shell, registry, session, multimedia};
  {
    win32::Win32Backend backend(::GetModuleHandleW(nullptr));
    veltrana::Program program(backend, ports);
    auto& bar = program.bar();
    auto& panel = program.menuPanel();
    const char* skins[] = {"Olive", "Blue", "Silver"};
    const auto switchSkin = [&](int i) {
      files.createWith(folder + "Options.set", bytes(settings(skins[i % 3])));
      bar.Timer8Timer();
      backend.processMessages();
    };
    // Painted into a memory bitmap: the composition is the program's, the
    // screen's part is the window system's.
    MemorySurface surface(185, 17);
    win32::Win32Canvas canvas(surface.dc.get(), backend.fonts());
    const auto paintGauges = [&](int i) {
      bar.RamGauge.setProgress(i % 101);
      bar.Gauge1.setProgress(100 - i % 101);
      bar.RamGauge.paint(canvas);
      bar.Gauge1.paint(canvas);
    };
    const auto showAndHidePanel = [&] {
      bar.SpeedButton6Click();
      panel.hide();
    };
    bar.hide();  // off the screen, the gauges do not also paint into the window
    // Off the screen, showing and hiding the panel costs no X server round trips.
    panel.setLeft(-1000);
    // Warm-up: every path once, so that caches (fonts, the skin) are filled.
    for (int i = 0; i < 3; ++i) switchSkin(i);
    paintGauges(1);
    showAndHidePanel();
    backend.processMessages();
    const Counts before;
    const std::size_t memoryBefore = privateBytes();

    for (int i = 0; i < 100000; ++i) paintGauges(i);
    for (int i = 0; i < 1000; ++i) switchSkin(i);
    for (int i = 0; i < 10000; ++i) {
      showAndHidePanel();
      backend.processMessages();
    }
    backend.processMessages();

    EXPECT_EQ(bar.settings().colourScheme(), "Olive") << "the skins really switched";
    EXPECT_EQ(Counts(), before);
    const std::size_t memoryAfter = privateBytes();
    EXPECT_LT(memoryAfter, memoryBefore + 4 * 1024 * 1024)
        << "private bytes grew from " << memoryBefore << " to " << memoryAfter;
  }
  EXPECT_EQ(win32::UniqueWindow::liveCount(), 0) << "every window destroyed with the program";
  EXPECT_EQ(win32::UniqueFile::liveCount(), 0);
  for (const char* name : {"silver.bmp", "olive.bmp", "blue.bmp", "Options.set"})
    ::DeleteFileW(win32::widen(folder + name).c_str());
  ::RemoveDirectoryW(win32::widen(folder).c_str());
  ::RemoveDirectoryW(win32::widen(personal).c_str());
}

}  // namespace
