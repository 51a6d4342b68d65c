#pragma once

#include <optional>
#include <span>

#include "toolkit/geometry.h"

namespace toolkit {

struct Monitor {
  Rect full;  // the whole screen of the monitor
  Rect work;  // without the taskbar and other reserved strips
};

// The monitor that holds a window: the one sharing the largest area with its
// rectangle, or, when it lies on none, the nearest one. Ties go to the earlier
// monitor, so list the primary monitor first.
std::optional<Monitor> monitorHolding(std::span<const Monitor> monitors, const Rect& window);

// Screen snap: moves a requested window position flush with the work area's
// edges when it comes within `distance` pixels of them.
Point snapToWorkArea(Point requested, Size size, const Rect& workArea, int distance);

}  // namespace toolkit
