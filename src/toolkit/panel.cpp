#include "toolkit/panel.h"

#include "toolkit/canvas.h"

namespace toolkit {

Panel::Panel(Form& form, std::string name, const Rect& bounds, Color face)
    : Control(form, std::move(name), bounds), face_(face) {}

void Panel::paint(Canvas& canvas) const {
  const Rect outer{0, 0, width(), height()};
  canvas.fillRect(outer, face_);
  canvas.drawBevel(outer, Bevel::raised);
  canvas.drawBevel(Rect{1, 1, width() - 1, height() - 1}, Bevel::lowered);
}

}  // namespace toolkit
