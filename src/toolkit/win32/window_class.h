#pragma once

#include <windows.h>

namespace toolkit::win32 {

// The one window procedure of every window class the toolkit registers.
// The object behind a window arrives with WM_NCCREATE (CreateWindowEx's last
// argument) and is kept in the window's user data; every later message goes
// to its onMessage, inside the backend's guard, so that no exception unwinds
// through the window system; at WM_NCDESTROY the object is let go.
//
// Owner provides:
//   LRESULT onMessage(HWND, UINT, WPARAM, LPARAM);
//   bool takesMessages() const;      // false while it is being torn down
//   toolkit::Backend& backend();
template <typename Owner>
LRESULT CALLBACK routeMessages(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* created = static_cast<Owner*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
    return ::DefWindowProcA(window, message, wParam, lParam);
  }
  auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (!owner || message == WM_NCDESTROY || !owner->takesMessages())
    return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  owner->backend().guarded([&] { result = owner->onMessage(window, message, wParam, lParam); });
  return result;
}

}  // namespace toolkit::win32
