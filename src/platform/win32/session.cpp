#include "platform/win32/session.h"

#include <windows.h>

#include "platform/win32/trace.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

void Win32Session::enableShutdownPrivilege() {
  UniqueHandle token;
  TOKEN_PRIVILEGES privileges{};
  if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put()) ||
      !::LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
    traceIgnoredFailure("looking up the shutdown privilege");
    return;
  }
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!::AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr))
    traceIgnoredFailure("AdjustTokenPrivileges");
}

bool Win32Session::exitWindows(unsigned mode) {
  const bool accepted = ::ExitWindowsEx(mode, 0) != FALSE;
  if (!accepted) traceIgnoredFailure("ExitWindowsEx");
  return accepted;
}

void Win32Session::activateNextKeyboardLayout() {
  if (!::ActivateKeyboardLayout(reinterpret_cast<HKL>(HKL_NEXT), 0)) traceIgnoredFailure("ActivateKeyboardLayout");
}

}  // namespace platform::win32
