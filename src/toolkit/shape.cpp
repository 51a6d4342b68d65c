#include "toolkit/shape.h"

#include "toolkit/canvas.h"

namespace toolkit {

Shape::Shape(Form& form, std::string name, const Rect& bounds, Color fill, bool visible)
    : Control(form, std::move(name), bounds, visible), fill_(fill) {}

void Shape::setFillColor(Color color) {
  if (color == fill_) return;
  fill_ = color;
  invalidate();
}

void Shape::paint(Canvas& canvas) const { canvas.fillRect(Rect::fromBounds(0, 0, width(), height()), fill_); }

}  // namespace toolkit
