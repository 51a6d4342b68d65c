#pragma once

#include <optional>
#include <span>

#include "toolkit/geometry.h"

namespace toolkit {

// The pixels per inch forms are designed for: 100 % scaling.
inline constexpr int designDpi = 96;

struct Monitor {
  Rect full;  // the whole screen of the monitor
  Rect work;  // without the taskbar and other reserved strips
  int dpi = designDpi;  // its pixels per inch, as the user's scaling setting gives them
};

// The monitor that holds a window: the one sharing the largest area with its
// rectangle, or, when it lies on none, the nearest one. Ties go to the earlier
// monitor, so list the primary monitor first.
std::optional<Monitor> monitorHolding(std::span<const Monitor> monitors, const Rect& window);

// Screen snap: moves a requested window position flush with the work area's
// edges when it comes within `distance` pixels of them.
Point snapToWorkArea(Point requested, Size size, const Rect& workArea, int distance);

}  // namespace toolkit
