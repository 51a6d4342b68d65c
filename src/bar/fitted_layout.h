#pragma once

#include <vector>

#include "bar/placement.h"

namespace veltrana {

// The bar laid out for a screen of any width: the magic button and the date
// at the left edge, the work clock at the right edge, and the groups between
// them in the order and with the spacing of the 1280-wide layout. Spacing
// grows with the scale, and never leaves less room than a text needs at the
// scaled font. Width beyond what the groups need goes first to the two
// gauges, up to a width that still reads as a gauge, then to even gaps
// between the groups.
class FittedLayout {
 public:
  // Finds the bar's components by name, and keeps them.
  explicit FittedLayout(toolkit::Form& bar);

  // Sets the left edges (and the widths of the backgrounds, gauges and hot
  // zones) for a screen `width` pixels wide; the components are already
  // scaled by `scale`.
  void apply(int width, double scale);

 private:
  toolkit::Form& bar_;
  // The groups' items in reading order, then the backgrounds and the hot
  // zones; `placements_` has one for each.
  std::vector<toolkit::Control*> components_;
  // The screen the placements were worked out for.
  int width_ = 0;
  double scale_ = 0;
  std::vector<Placement> placements_;
};

}  // namespace veltrana
