#include "bar/screen_mode.h"

#include <array>

namespace veltrana {

namespace {

struct SupportedMode {
  toolkit::Size size;
  ScreenMode mode;
};

constexpr std::array<SupportedMode, 4> supportedModes{{
    {{1280, 1024}, ScreenMode::wide},
    {{1024, 768}, ScreenMode::narrow},
    {{1280, 800}, ScreenMode::wide},
    {{1280, 960}, ScreenMode::wide},
}};

}  // namespace

ScreenMode screenModeOf(toolkit::Size screen) {
  for (const SupportedMode& m : supportedModes)
    if (screen.width == m.size.width && screen.height == m.size.height) return m.mode;
  return ScreenMode::unsupported;
}

ScreenMode screenModeFor(std::span<const toolkit::Monitor> monitors, const toolkit::Rect& window) {
  const auto monitor = toolkit::monitorHolding(monitors, window);
  if (!monitor) return ScreenMode::unsupported;
  return screenModeOf({monitor->full.width(), monitor->full.height()});
}

}  // namespace veltrana
