// The Options program's commands on the real Windows API: setup reads the
// monitors through them, and must see the scaling the user has now.
#include <gtest/gtest.h>

#include <windows.h>

#include "options/win32/command_line.h"
#include "options/win32/desk.h"
#include "platform/win32/display.h"
#include "platform/win32/system_library.h"

namespace {

// The thread as Options' manifest makes the whole process: system aware.
class SystemAwareThread {
 public:
  SystemAwareThread() {
    if (set_) previous_ = set_(DPI_AWARENESS_CONTEXT_SYSTEM_AWARE);
  }
  ~SystemAwareThread() {
    if (previous_) set_(previous_);
  }
  SystemAwareThread(const SystemAwareThread&) = delete;
  SystemAwareThread& operator=(const SystemAwareThread&) = delete;
  bool done() const { return previous_ != nullptr; }

 private:
  DPI_AWARENESS_CONTEXT(WINAPI* set_)(DPI_AWARENESS_CONTEXT) =
      platform::win32::functionIn<DPI_AWARENESS_CONTEXT WINAPI(DPI_AWARENESS_CONTEXT)>(
          ::GetModuleHandleW(L"user32.dll"), "SetThreadDpiAwarenessContext");
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

TEST(OptionsCommands, ReadTheMonitorsPerMonitorAwareInASystemAwareProcess) {
  const SystemAwareThread systemAware;
  ASSERT_TRUE(systemAware.done()) << "Wine 8 and Windows 10 (1607) set a thread's awareness";
  ASSERT_FALSE(platform::win32::threadIsPerMonitorDpiAware());

  bool awareWhenRead = false;
  int reads = 0;
  const auto answer = veltrana::options::win32::answer(
      veltrana::options::SetupCommand::fitOffer, "/fit-offer", [&] {
        ++reads;
        awareWhenRead = platform::win32::threadIsPerMonitorDpiAware();
        return std::vector<veltrana::options::MonitorOnDesk>{{"\\\\.\\DISPLAY1", 0, 0, {1920, 1080, 144}, true}};
      });
  EXPECT_EQ(reads, 1);
  EXPECT_TRUE(awareWhenRead) << "the screen was read with the session's scaling, not the current one";
  EXPECT_EQ(answer.text, "1920 x 1080 at 150 %");
  EXPECT_FALSE(platform::win32::threadIsPerMonitorDpiAware()) << "the thread's awareness is restored";

  // The real main monitor, read that way, is the one the X server has, at the desk's origin.
  const platform::win32::PerMonitorDpiAwareness perMonitor;
  EXPECT_TRUE(platform::win32::threadIsPerMonitorDpiAware());
  const auto desk = veltrana::options::win32::monitorsOnDesk();
  ASSERT_FALSE(desk.empty());
  const auto& main = desk.front();
  EXPECT_TRUE(main.main);
  EXPECT_EQ(main.screen.width, ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(main.screen.height, ::GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(main.left, 0);
  EXPECT_EQ(main.top, 0);
  EXPECT_EQ(main.name.rfind("\\\\.\\DISPLAY", 0), 0u) << main.name;
}

TEST(OptionsCommands, AnUnknownCommandNamesTheCommandsAndEndsWithItsOwnCode) {
  const auto answer =
      veltrana::options::win32::answer(veltrana::options::SetupCommand::unknown, " /fit-offerx ", [] {
        ADD_FAILURE() << "an unknown command reads no monitor";
        return std::vector<veltrana::options::MonitorOnDesk>{};
      });
  EXPECT_EQ(answer.exitCode, veltrana::options::unknownCommand);
  EXPECT_NE(answer.text.find("'/fit-offerx'"), std::string::npos) << answer.text;
}

}  // namespace
