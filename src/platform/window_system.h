#pragma once

#include <string>
#include <vector>

#include "toolkit/geometry.h"
#include "toolkit/monitors.h"

namespace platform {

// The desktop as the program sees it: monitors, the pointer, other programs'
// top-level windows and message boxes.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Every monitor, the primary one first.
  virtual std::vector<toolkit::Monitor> monitors() const = 0;

  // The pointer position in screen coordinates.
  virtual toolkit::Point cursorPos() const = 0;

  // The display's vertical refresh rate in hertz, as the display reports it.
  virtual int verticalRefreshRate() const = 0;
};

}  // namespace platform
