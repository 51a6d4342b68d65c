#pragma once

#include <optional>
#include <span>
#include <string>

#include "common/dpi.h"
#include "toolkit/geometry.h"

namespace toolkit {

struct Monitor {
  Rect full;  // the whole screen of the monitor
  Rect work;  // without the taskbar and other reserved strips
  int dpi = veltrana::designDpi;  // its pixels per inch, as the user's scaling setting gives them
  std::string name;  // its device name, as Windows gives it ("\\.\DISPLAY2")
};

// The pixels per inch forms are drawn for on the monitor: its own, taken
// between 96 and 288 (100 and 300 %).
int drawnDpi(const Monitor& monitor);
// How many times as large as designed a form is drawn on the monitor.
inline double scaleOf(const Monitor& monitor) {
  return static_cast<double>(drawnDpi(monitor)) / veltrana::designDpi;
}

// The monitor that holds a window: the one sharing the largest area with its
// rectangle, or, when it lies on none, the nearest one. Ties go to the earlier
// monitor, so list the primary monitor first.
std::optional<Monitor> monitorHolding(std::span<const Monitor> monitors, const Rect& window);

// Screen snap: moves a requested window position flush with the work area's
// edges when it comes within `distance` pixels of them.
Point snapToWorkArea(Point requested, Size size, const Rect& workArea, int distance);

}  // namespace toolkit
