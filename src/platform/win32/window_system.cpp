#include "platform/win32/window_system.h"

#include <windows.h>

#include "platform/win32/unique_handle.h"

namespace win32 {

namespace {

toolkit::Rect toRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (::GetMonitorInfoW(monitor, &info)) {
    auto& monitors = *reinterpret_cast<std::vector<toolkit::Monitor>*>(list);
    const toolkit::Monitor m{toRect(info.rcMonitor), toRect(info.rcWork)};
    if (info.dwFlags & MONITORINFOF_PRIMARY)
      monitors.insert(monitors.begin(), m);
    else
      monitors.push_back(m);
  }
  return TRUE;
}

}  // namespace

std::vector<toolkit::Monitor> Win32WindowSystem::monitors() const {
  std::vector<toolkit::Monitor> list;
  ::EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&list));
  return list;
}

toolkit::Point Win32WindowSystem::cursorPos() const {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

int Win32WindowSystem::verticalRefreshRate() const {
  WindowDc screen(nullptr);
  return screen.get() ? ::GetDeviceCaps(screen.get(), VREFRESH) : 0;
}

}  // namespace win32
