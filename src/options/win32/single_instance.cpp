#include "options/win32/single_instance.h"

namespace veltrana::options::win32 {

namespace {

// A copy started a moment ago may not have made its window yet.
constexpr int windowWaitMs = 5000;
constexpr int windowWaitPauseMs = 50;

}  // namespace

SingleInstance::SingleInstance(const wchar_t* name) : mutex_(::CreateMutexW(nullptr, FALSE, name)) {
  another_ = mutex_ && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

void bringToFront(const wchar_t* windowClass) {
  for (int waited = 0; waited <= windowWaitMs; waited += windowWaitPauseMs) {
    if (const HWND window = ::FindWindowW(windowClass, nullptr)) {
      if (::IsIconic(window)) ::ShowWindow(window, SW_RESTORE);
      // The program just started by the user may hand the foreground on.
      ::SetForegroundWindow(::GetLastActivePopup(window));
      return;
    }
    ::Sleep(windowWaitPauseMs);
  }
}

}  // namespace veltrana::options::win32
