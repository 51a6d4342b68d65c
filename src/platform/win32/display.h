#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/dpi.h"
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

// A monitor of the desktop as the programs look at it.
struct DeskMonitor {
  std::string name;  // its device name, "\\.\DISPLAY2"
  RECT full{};       // the whole screen
  RECT work{};       // without the taskbar and other reserved strips
  int dpi = veltrana::designDpi;
  bool primary = false;
};
// Every monitor of the desktop, the primary one first.
std::vector<DeskMonitor> monitorsOnDesk();

// While it lives, the calling thread is per-monitor DPI aware, whatever the
// program's manifest declares, and so sees each monitor's real pixels and
// its scaling as the user set it now: a process that is only system aware
// sees the scaling the session started with, and pixels scaled to it. Per
// monitor V2 where Windows has it (10, 1703), else per monitor (10, 1607);
// on an older Windows the thread stays as it was. The thread's awareness is
// restored at the end.
class PerMonitorDpiAwareness {
 public:
  PerMonitorDpiAwareness();
  ~PerMonitorDpiAwareness();
  PerMonitorDpiAwareness(const PerMonitorDpiAwareness&) = delete;
  PerMonitorDpiAwareness& operator=(const PerMonitorDpiAwareness&) = delete;

 private:
  DPI_AWARENESS_CONTEXT previous_ = nullptr;
};

// Whether the calling thread is per-monitor DPI aware (V1 or V2); never on
// a Windows older than 10, 1607.
bool threadIsPerMonitorDpiAware();

}  // namespace platform::win32
