#include "bar/screen_mode.h"

#include "common/dpi.h"
#include "common/made_for_screens.h"

namespace veltrana {

namespace {

// The smallest logical screen a fitted bar is laid out for.
constexpr toolkit::Size smallestFitted{1024, 600};

ScreenPlan fittedPlan(const toolkit::Monitor& monitor) {
  const toolkit::Size screen{monitor.full.width(), monitor.full.height()};
  const int dpi = toolkit::drawnDpi(monitor);
  const int logicalWidth = screen.width * designDpi / dpi;
  const int logicalHeight = screen.height * designDpi / dpi;
  if (logicalWidth < smallestFitted.width || logicalHeight < smallestFitted.height)
    return {screenModeOf(screen), 1, screen.width};
  if (dpi == designDpi && (logicalWidth == 1024 || logicalWidth == 1280))
    return {logicalWidth == 1024 ? ScreenMode::narrow : ScreenMode::wide, 1, screen.width};
  return {ScreenMode::fitted, toolkit::scaleOf(monitor), screen.width};
}

}  // namespace

ScreenMode screenModeOf(toolkit::Size screen) {
  if (!madeForScreen(screen.width, screen.height)) return ScreenMode::unsupported;
  return screen.width == 1024 ? ScreenMode::narrow : ScreenMode::wide;
}

ScreenPlan screenPlanFor(const toolkit::Monitor& monitor, bool fit) {
  if (fit) return fittedPlan(monitor);
  return {screenModeOf({monitor.full.width(), monitor.full.height()}), 1, monitor.full.width()};
}

}  // namespace veltrana
