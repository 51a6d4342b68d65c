#include "toolkit/win32/disabled_windows.h"

namespace toolkit::win32 {

namespace {

BOOL CALLBACK collectEnabledWindows(HWND window, LPARAM list) {
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

DisabledWindows::DisabledWindows(HWND except) {
  ::EnumThreadWindows(::GetCurrentThreadId(), collectEnabledWindows, reinterpret_cast<LPARAM>(&disabled_));
  std::erase(disabled_, except);
  for (HWND w : disabled_) ::EnableWindow(w, FALSE);
}

DisabledWindows::~DisabledWindows() {
  for (HWND w : disabled_)
    if (::IsWindow(w)) ::EnableWindow(w, TRUE);
}

}  // namespace toolkit::win32
