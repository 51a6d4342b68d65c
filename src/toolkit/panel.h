#pragma once

#include "toolkit/color.h"
#include "toolkit/control.h"

namespace toolkit {

// A plain face with a raised outer edge and a lowered inner edge, one pixel each.
class Panel : public Control {
 public:
  Panel(Form& form, std::string name, const Rect& bounds, Color face);

  void paint(Canvas& canvas) const override;

 private:
  Color face_;
};

}  // namespace toolkit
