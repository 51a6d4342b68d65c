#pragma once

#include <array>

#include "toolkit/timer.h"

namespace veltrana {

// The timers that drive the bar, all but Timer12 (the unsupported-screen
// notice's): what the two notices stop, and what a screen the start-up pass
// fits the bar to starts again.
struct Schedule {
  toolkit::Timer& Timer1;  // the work clock
  toolkit::Timer& Timer2;  // date and refresh rate
  toolkit::Timer& Timer3;  // the return from hiding
  toolkit::Timer& Timer4;  // memory and frequency
  toolkit::Timer& Timer5;  // processor load
  toolkit::Timer& Timer6;  // the taskbar button
  toolkit::Timer& Timer8;  // the settings reload pass

  void stop() {
    for (toolkit::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5, &Timer6, &Timer8}) t->setEnabled(false);
  }
  // Every timer that runs from the start; the return timer runs only while
  // the bar is hidden.
  void start() {
    for (toolkit::Timer* t : {&Timer1, &Timer2, &Timer4, &Timer5, &Timer6, &Timer8}) t->setEnabled(true);
  }
};

}  // namespace veltrana
