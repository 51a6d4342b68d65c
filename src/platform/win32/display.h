#pragma once

#include <windows.h>

#include "common/screen.h"

namespace platform::win32 {

// A monitor's pixels per inch, as the user's scaling setting has them (96 at
// 100 %): per monitor where Windows tells (8.1 and later), else the system's.
int monitorDpi(HMONITOR monitor);

// The primary monitor, which holds the bar: its size in pixels and its
// pixels per inch.
veltrana::Screen primaryScreen();

}  // namespace platform::win32
