#include "toolkit/control.h"

#include "toolkit/form.h"
#include "toolkit/scaling.h"

namespace toolkit {

Control::Control(Form& form, std::string name, const Rect& bounds, bool visible)
    : form_(form), name_(std::move(name)), bounds_(bounds), designed_(bounds), visible_(visible) {
  form_.addControl(*this);
}

Control::~Control() { form_.removeControl(*this); }

void Control::setBounds(const Rect& bounds) {
  if (bounds == bounds_) return;
  const Rect old = bounds_;
  bounds_ = bounds;
  if (visible_) {
    if (drawsSomething()) {
      form_.invalidate(old);
      form_.invalidate(bounds_);
    }
    form_.controlGeometryChanged();
  }
}

void Control::setLeft(int left) { setBounds(Rect::fromBounds(left, top(), width(), height())); }

void Control::setWidth(int width) { setBounds(Rect::fromBounds(left(), top(), width, height())); }

void Control::scaleTo(double scale) { setBounds(scaled(designed_, scale)); }

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  if (drawsSomething()) form_.invalidate(bounds_);
  form_.controlGeometryChanged();
}

void Control::mouseUp(Point, bool inside) {
  if (inside) click();
}

void Control::mouseMove(Point local) {
  if (onMouseMove) onMouseMove(local);
}

bool Control::focused() const { return form_.focusedControl() == this; }

void Control::click() {
  if (onClick) onClick();
}

void Control::invalidate() const {
  if (visible_) form_.invalidate(bounds_);
}

}  // namespace toolkit
