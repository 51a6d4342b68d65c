#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <cstdlib>
#include <ostream>
#include <string_view>

#include "memory_surface.h"
#include "platform/win32/unique_handle.h"
#include "scratch_program.h"
#include "support/components.h"
#include "toolkit/win32/canvas.h"
#include "popups/menu_panel.h"

namespace {

using fakes::component;

struct Counts {
  long dcs = platform::win32::UniqueDc::liveCount();
  long bitmaps = platform::win32::UniqueBitmap::liveCount();
  long fonts = platform::win32::UniqueFont::liveCount();
  long files = platform::win32::UniqueFile::liveCount();
  long keys = platform::win32::UniqueKey::liveCount();
  long handles = platform::win32::UniqueHandle::liveCount();
  long windows = platform::win32::UniqueWindow::liveCount();
  bool operator==(const Counts&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Counts& c) {
  return out << "DCs " << c.dcs << ", bitmaps " << c.bitmaps << ", fonts " << c.fonts << ", files " << c.files
             << ", keys " << c.keys << ", handles " << c.handles << ", windows " << c.windows;
}

// scripts/test runs the short form; scripts/bench the long one
// (VELTRANA_ENDURANCE=long), ten times the rounds. The memory bound grows with
// the rounds, so a leak of a few bytes a paint fails either form.
int rounds() {
  const char* form = std::getenv("VELTRANA_ENDURANCE");
  return form && std::string_view(form) == "long" ? 10 : 1;
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
  {
    ScratchProgram scratch;
    auto& backend = scratch.backend();
    auto& program = scratch.program();
    auto& bar = program.bar();
    auto& panel = program.menuPanel();
    const char* skins[] = {"Olive", "Blue", "Silver"};
    const auto switchSkin = [&](int i) {
      scratch.writeSettings(ScratchProgram::settings(skins[i % 3]));
      bar.Timer8Timer();
      backend.processMessages();
    };
    // Painted into a memory bitmap: the composition is the program's, the
    // screen's part is the window system's.
    MemorySurface surface(185, 17);
    toolkit::win32::Win32Canvas canvas(surface.dc.get(), backend.fonts(), backend.surfaces());
    const auto paintGauges = [&](int i) {
      component<veltrana::TGauge>(bar, "RamGauge").setProgress(i % 101);
      component<veltrana::TGauge>(bar, "Gauge1").setProgress(100 - i % 101);
      component<veltrana::TGauge>(bar, "RamGauge").paint(canvas);
      component<veltrana::TGauge>(bar, "Gauge1").paint(canvas);
    };
    const auto showAndHidePanel = [&] {
      bar.SpeedButton6Click();
      panel.hide();
    };
    bar.hide();  // hidden, the bar's gauges do not also paint into its window
    // Warm-up: every path once, so that caches (fonts, the skin) are filled.
    for (int i = 0; i < 3; ++i) switchSkin(i);
    paintGauges(1);
    showAndHidePanel();
    backend.processMessages();
    const Counts before;
    const std::size_t memoryBefore = privateBytes();

    const int n = rounds();
    for (int i = 0; i < 10000 * n; ++i) paintGauges(i);
    for (int i = 0; i < 100 * n; ++i) switchSkin(i);
    for (int i = 0; i < 1000 * n; ++i) {
      showAndHidePanel();
      backend.processMessages();
    }
    backend.processMessages();

    EXPECT_EQ(bar.settings().colourScheme(), "Olive") << "the skins really switched";
    EXPECT_EQ(Counts(), before);
    const std::size_t memoryAfter = privateBytes();
    EXPECT_LT(memoryAfter, memoryBefore + n * (4u << 20) / 10)
        << "private bytes grew from " << memoryBefore << " to " << memoryAfter;
  }
  EXPECT_EQ(platform::win32::UniqueWindow::liveCount(), 0) << "every window destroyed with the program";
  EXPECT_EQ(platform::win32::UniqueFile::liveCount(), 0);
}

}  // namespace
