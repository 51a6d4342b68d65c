#pragma once

#include <optional>
#include <span>
#include <string>

#include "toolkit/geometry.h"
#include "toolkit/monitors.h"

namespace toolkit {
class Form;
}

namespace veltrana {

// The monitor the line 12 names, compared without regard to case, where it
// is connected; otherwise (an empty name among them) the main monitor, the
// first of the list. Nothing when there is no monitor at all.
std::optional<toolkit::Monitor> monitorNamed(std::span<const toolkit::Monitor> monitors, std::string_view name);

// Where the bar's top-left corner is asked for when it is shown on the
// monitor: on the main monitor, whose corner is the desktop's origin, at
// left 0 and top 2, as the bar was always placed (screen snap turns the 2
// into 0); elsewhere at the monitor's corner itself.
toolkit::Point shownCorner(const toolkit::Monitor& monitor);

// The top edge of the bar hidden above its monitor: `height` above the
// monitor's top, as the bar was made; where another monitor lies there and
// would show it, above the top of the whole desktop instead, so that no
// monitor shows any of it.
int hiddenTop(std::span<const toolkit::Monitor> monitors, const toolkit::Monitor& own, const toolkit::Rect& bar,
              int height);

// Which monitor is the bar's, and where on it the bar stands, shown or
// hidden. The bar lives on the monitor line 12 names while it is connected,
// else on the main monitor, and follows when one comes or goes.
class BarMonitor {
 public:
  explicit BarMonitor(toolkit::Form& bar) : bar_(bar) {}

  // Line 12: a monitor's device name; empty for the main monitor.
  void setName(std::string name) { name_ = std::move(name); }
  // The bar's monitor as the monitors are now.
  std::optional<toolkit::Monitor> current() const;

  // At its monitor's top edge.
  void placeShown();
  // Above its monitor, where no monitor shows it; `height` is the bar's
  // height as made, at its scale.
  void placeHidden(int height);
  // Moves the bar, shown or hidden as it is, onto its monitor when that
  // changed since it was placed (the named monitor came or went, or the
  // name changed); true when it moved.
  bool follow();

 private:
  toolkit::Form& bar_;
  std::string name_;
  // Where the bar was placed, and on which monitor's corner.
  bool hidden_ = false;
  int hiddenHeight_ = 0;
  std::optional<toolkit::Point> placedOn_;
};

}  // namespace veltrana
