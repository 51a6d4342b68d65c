#include "bar/screen_mode.h"

#include <algorithm>

#include "settings/made_for_screens.h"

namespace veltrana {

namespace {

// The smallest logical screen a fitted bar is laid out for.
constexpr toolkit::Size smallestFitted{1024, 600};
constexpr int largestDpi = 288;  // 300 %

ScreenPlan fittedPlan(toolkit::Size screen, int monitorDpi) {
  const int dpi = std::clamp(monitorDpi, toolkit::designDpi, largestDpi);
  const int logicalWidth = screen.width * toolkit::designDpi / dpi;
  const int logicalHeight = screen.height * toolkit::designDpi / dpi;
  if (logicalWidth < smallestFitted.width || logicalHeight < smallestFitted.height)
    return {screenModeOf(screen), 1, screen.width};
  if (dpi == toolkit::designDpi && (logicalWidth == 1024 || logicalWidth == 1280))
    return {logicalWidth == 1024 ? ScreenMode::narrow : ScreenMode::wide, 1, screen.width};
  return {ScreenMode::fitted, static_cast<double>(dpi) / toolkit::designDpi, screen.width};
}

}  // namespace

ScreenMode screenModeOf(toolkit::Size screen) {
  if (!madeForScreen(screen.width, screen.height)) return ScreenMode::unsupported;
  return screen.width == 1024 ? ScreenMode::narrow : ScreenMode::wide;
}

ScreenPlan screenPlanFor(std::span<const toolkit::Monitor> monitors, const toolkit::Rect& window, bool fit) {
  const auto monitor = toolkit::monitorHolding(monitors, window);
  if (!monitor) return {};
  const toolkit::Size screen{monitor->full.width(), monitor->full.height()};
  if (fit) return fittedPlan(screen, monitor->dpi);
  return {screenModeOf(screen), 1, screen.width};
}

}  // namespace veltrana
