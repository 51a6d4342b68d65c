#include "platform/win32/session.h"

#include <windows.h>

#include <mmsystem.h>

#include "platform/win32/unique_handle.h"

namespace win32 {

bool Win32Session::ntPlatform() const {
  // Every system this program builds for is of the NT family; the version
  // query that used to tell is deprecated.
  return true;
}

void Win32Session::enableShutdownPrivilege() {
  HANDLE token = nullptr;
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) return;
  UniqueHandle owned(token);
  TOKEN_PRIVILEGES privileges{};
  if (!::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) return;
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  ::AdjustTokenPrivileges(owned.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

bool Win32Session::exitWindows(unsigned mode) { return ::ExitWindowsEx(mode, 0) != FALSE; }

void Win32Session::activateNextKeyboardLayout() { ::ActivateKeyboardLayout(reinterpret_cast<HKL>(HKL_NEXT), 0); }

int Win32Multimedia::sendCommand(const std::string& command, platform::WindowHandle callbackWindow) {
  return static_cast<int>(::mciSendStringA(command.c_str(), nullptr, 0, reinterpret_cast<HWND>(callbackWindow)));
}

}  // namespace win32
