#include "platform/win32/display.h"

#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

// Windows 8.1 and later: looked up, so that the program runs on 7 as well.
MonitorDpi::MonitorDpi()
    : shcore_(L"shcore.dll"),
      perMonitor_(shcore_.function<HRESULT WINAPI(HMONITOR, int, UINT*, UINT*)>("GetDpiForMonitor")) {}

int MonitorDpi::of(HMONITOR monitor) const {
  constexpr int effectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  UINT x = 0, y = 0;
  if (perMonitor_ && perMonitor_(monitor, effectiveDpi, &x, &y) == S_OK && x > 0) return static_cast<int>(x);
  const WindowDc screen(nullptr);
  return screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : veltrana::designDpi;
}

veltrana::Screen primaryScreen() {
  const HMONITOR monitor = ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!::GetMonitorInfoW(monitor, &info)) return {};
  return {info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top,
          MonitorDpi().of(monitor)};
}

}  // namespace platform::win32
