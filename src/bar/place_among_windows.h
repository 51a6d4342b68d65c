#pragma once

#include <cstdint>

namespace platform {
class Shell;
}

namespace toolkit {
class Backend;
class Form;
struct Monitor;
}  // namespace toolkit

namespace veltrana {

// The bar's place among other programs' windows, as lines 9 and 10 of the
// settings file ask: right below a program running full-screen on its
// monitor rather than on top of everything, and its strip along the top of
// the screen reserved, so that maximised windows start below it.
class PlaceAmongWindows {
 public:
  PlaceAmongWindows(toolkit::Form& bar, toolkit::Backend& backend, platform::Shell& shell)
      : bar_(bar), backend_(backend), shell_(shell) {}

  // Stepping aside: on top again at once when turned off.
  void setYield(bool on);
  // Reserving the strip: given back at once when turned off.
  void setReserve(bool on);
  bool reserving() const { return reserve_; }
  // Every second: below a program running full-screen on the bar's
  // monitor or back on top, and, while reserving, the strip along that
  // monitor's top reserved for the bar as it is drawn now when `reserveNow`
  // says the screen has a layout for it.
  void keep(const toolkit::Monitor& barMonitor, bool reserveNow);
  // Gives the strip back, if the bar holds one.
  void releaseStrip();

 private:
  void stepBackOnTop();

  toolkit::Form& bar_;
  toolkit::Backend& backend_;
  platform::Shell& shell_;
  bool yield_ = false;
  bool reserve_ = false;
  // The full-screen window the bar lies below; 0 while it is on top.
  std::uintptr_t behind_ = 0;
  bool stripReserved_ = false;
};

}  // namespace veltrana
