#pragma once

#include "toolkit/speed_button.h"

namespace toolkit {

// A push button that takes the keyboard focus: Tab reaches it, Enter or Space
// clicks it, and a dotted rectangle marks it while it has the focus.
class BitButton : public SpeedButton {
 public:
  using SpeedButton::SpeedButton;

  bool focusable() const override { return true; }
  void mouseDown(Point local) override;
  void paint(Canvas& canvas) const override;
};

}  // namespace toolkit
