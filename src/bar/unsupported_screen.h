#pragma once

#include "bar/schedule.h"
#include "bar/screen_mode.h"

namespace toolkit {
class ErrorReports;
class Timer;
}  // namespace toolkit

namespace veltrana {

class BarCompanions;
class BarMonitor;
class PlaceAmongWindows;

// The bar on a screen it has no layout for. Started there, its timers wait
// and, a second after the start-up pass is over, Timer12 brings the
// unsupported-screen notice onto the bar's monitor, never over an open
// report; fitting, or a monitor named by line 12, read by that pass may give
// the bar a layout after all. A running bar whose screen has no plan any
// more (fitted, or moved to another monitor) stops the same way. The
// notice's button ends the program; closed otherwise, it leaves the bar with
// every timer stopped.
class UnsupportedScreen {
 public:
  UnsupportedScreen(Schedule schedule, toolkit::Timer& Timer12, toolkit::ErrorReports& reports,
                    PlaceAmongWindows& place, BarMonitor& monitor, BarCompanions& companions);

  // At the start of the creation handler: true when the screen has a plan;
  // otherwise the timers wait.
  bool startOn(const ScreenPlan& plan);
  // At the end of the creation handler, once the start-up pass is over.
  void startupPassOver();
  // A plan for the screen after all: the waiting timers start.
  void planFound();
  // The bar's screen has no plan any more; during the start-up pass the
  // timers wait as on a start there.
  void planLost();
  // The tick of Timer12.
  void Timer12Timer();

 private:
  Schedule schedule_;
  toolkit::Timer& Timer12_;
  toolkit::ErrorReports& reports_;
  PlaceAmongWindows& place_;
  BarMonitor& monitor_;
  BarCompanions& companions_;
  bool starting_ = true;
  bool waiting_ = false;
};

}  // namespace veltrana
