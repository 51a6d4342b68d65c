#pragma once

#include "bar/fitted_layout.h"
#include "bar/screen_layout.h"
#include "bar/screen_mode.h"

namespace toolkit {
class Form;
}

namespace veltrana {

class BarCompanions;
class BarMonitor;
class UnsupportedScreen;

// Which layout the bar gets on its monitor, and laying it out: the layouts
// made for four screens, or with line 8 one fitted to any screen and drawn at
// the monitor's scaling (the menu panel scaled with it). A screen without a
// plan goes to the unsupported-screen rules.
class BarLayouts {
 public:
  BarLayouts(toolkit::Form& bar, BarMonitor& monitor, UnsupportedScreen& unsupported, BarCompanions& companions);

  // The plan for the bar's monitor, looked up afresh.
  ScreenPlan plan() const;
  // In the creation handler: the layout for the screen, or, without a plan,
  // the timers wait for the unsupported-screen notice.
  void layOutAtStart();
  // Every second, and when line 12 names a monitor: the bar on its monitor,
  // laid out for the screen as it is now. Without fitting a screen without a
  // plan keeps the last layout; a fitted bar whose screen has no plan any
  // more, or a bar that moved to a monitor without one, stops as it would
  // have started there.
  void layOut();
  // Line 8, Fit.
  void setFit(bool on);

 private:
  void apply(const ScreenPlan& plan);

  toolkit::Form& bar_;
  BarMonitor& monitor_;
  UnsupportedScreen& unsupported_;
  BarCompanions& companions_;
  ScreenLayout made_;
  FittedLayout fitted_;
  bool fit_ = false;
};

}  // namespace veltrana
