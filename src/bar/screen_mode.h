#pragma once

#include "toolkit/geometry.h"
#include "toolkit/monitors.h"

namespace veltrana {

// How the bar is laid out: one of the layouts made for 1024x768 and for the
// three 1280-wide screens, or one fitted to any other screen of at least
// 1024x600 logical pixels, which the settings file can ask for.
enum class ScreenMode { unsupported, narrow, wide, fitted };

ScreenMode screenModeOf(toolkit::Size screen);

struct ScreenPlan {
  ScreenMode mode = ScreenMode::unsupported;
  // How many times as large as designed the bar is drawn: the monitor's
  // pixels per inch over 96 when fitted, else 1.
  double scale = 1;
  // The screen's width in pixels, which a fitted bar spans.
  int width = 0;
  friend bool operator==(const ScreenPlan&, const ScreenPlan&) = default;
};

// The plan for the monitor the bar lives on: its full rectangle, not its
// work area. Without `fit` only the four made-for screens have a layout, in
// pixels whatever the scaling; with it any screen of at least 1024x600
// logical pixels (pixels x 96 / the monitor's pixels per inch, taken between
// 96 and 288) has one, and the made layouts serve where the logical screen
// is 1024 or 1280 wide at 100 %, or where the made-for screens are too small
// for their scaling.
ScreenPlan screenPlanFor(const toolkit::Monitor& monitor, bool fit);

}  // namespace veltrana
