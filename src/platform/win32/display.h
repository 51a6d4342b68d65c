#pragma once

#include <windows.h>

#include "common/screen.h"
#include "platform/win32/system_library.h"

namespace platform::win32 {

// Monitors' pixels per inch, as the user's scaling setting has them (96 at
// 100 %): per monitor where Windows tells (8.1 and later), else the system's.
// The library that tells is held as long as the object: one for each round
// of looking at the monitors, so that it is not mapped in between.
class MonitorDpi {
 public:
  MonitorDpi();
  int of(HMONITOR monitor) const;

 private:
  SystemLibrary shcore_;
  HRESULT(WINAPI* perMonitor_)(HMONITOR, int, UINT*, UINT*) = nullptr;
};

// The primary monitor, which holds the bar: its size in pixels and its
// pixels per inch.
veltrana::Screen primaryScreen();

}  // namespace platform::win32
