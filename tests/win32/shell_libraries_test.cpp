// The shell's libraries are mapped while the shell is called, and let go
// after each call: mapped for the whole run, they would hold more than a
// megabyte for the few calls the bar makes.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "platform/win32/shell.h"
#include "scratch_program.h"
#include "settings/settings_file.h"

namespace {

// The shell's libraries mapped into the process now, by name.
std::string mappedShellLibraries() {
  std::string names;
  for (const wchar_t* library : {L"shell32.dll", L"shlwapi.dll", L"shcore.dll"})
    if (::GetModuleHandleW(library)) names += platform::win32::narrow(library) + " ";
  return names;
}

TEST(ShellLibraries, AreNotMappedWhileTheBarRunsBetweenTheCallsThatNeedThem) {
  ASSERT_EQ(mappedShellLibraries(), "") << "the tests' own program brings none of them";

  platform::win32::Win32Shell shell;
  const auto documents = shell.personalFolder(0);
  ASSERT_TRUE(documents.has_value());
  EXPECT_TRUE(veltrana::isFullPath(*documents)) << *documents;
  EXPECT_EQ(mappedShellLibraries(), "") << "after the documents folder was found";

  {
    // Its start adds the notification icon and looks at the monitors.
    ScratchProgram scratch;
    EXPECT_EQ(mappedShellLibraries(), "") << "after the start";
    const platform::WindowHandle bar = scratch.program().bar().nativeHandle();
    shell.reserveTopStrip(bar, {0, 0, ::GetSystemMetrics(SM_CXSCREEN), 25});
    EXPECT_EQ(mappedShellLibraries(), "") << "after a strip was reserved";
    shell.releaseStrip(bar);

    // Two and a half seconds of ticks, looked at between the bar's messages.
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 2500) {
      scratch.backend().processMessages();
      const std::string mapped = mappedShellLibraries();
      if (!mapped.empty()) {
        ADD_FAILURE() << mapped << "mapped " << ::GetTickCount() - start << " ms into the run";
        break;
      }
      ::Sleep(10);
    }
  }
  EXPECT_EQ(mappedShellLibraries(), "") << "after the end, which deleted the icon";
}

}  // namespace
