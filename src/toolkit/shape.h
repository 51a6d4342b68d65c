#pragma once

#include "toolkit/color.h"
#include "toolkit/control.h"

namespace toolkit {

// A rectangle filled with one colour, without an outline.
class Shape : public Control {
 public:
  Shape(Form& form, std::string name, const Rect& bounds, Color fill, bool visible);

  Color fillColor() const { return fill_; }
  void setFillColor(Color color);

  void paint(Canvas& canvas) const override;

 private:
  Color fill_;
};

}  // namespace toolkit
