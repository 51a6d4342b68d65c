#pragma once

#include <span>

#include "toolkit/geometry.h"
#include "toolkit/monitors.h"

namespace veltrana {

// The screen modes the bar is laid out for: 1024x768, and the three
// 1280-wide modes that share one layout.
enum class ScreenMode { unsupported, narrow, wide };

ScreenMode screenModeOf(toolkit::Size screen);

// The mode of the monitor that holds a window: its full rectangle, not its work area.
ScreenMode screenModeFor(std::span<const toolkit::Monitor> monitors, const toolkit::Rect& window);

}  // namespace veltrana
