#pragma once

#include <vector>

#include "bar/screen_mode.h"

namespace toolkit {
class Control;
class Form;
}  // namespace toolkit

namespace veltrana {

// The bar's hand-made layouts: left edges and widths of its components per
// screen mode. Values a layout leaves alone keep whatever they were.
class ScreenLayout {
 public:
  // Finds the bar's components by name once.
  explicit ScreenLayout(toolkit::Form& bar);

  // Sets the mode's values; does nothing on an unsupported mode.
  void apply(ScreenMode mode) const;

 private:
  std::vector<toolkit::Control*> components_;
};

}  // namespace veltrana
