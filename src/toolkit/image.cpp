#include "toolkit/image.h"

#include "toolkit/canvas.h"
#include "toolkit/form.h"

namespace toolkit {

Image::Image(Form& form, std::string name, const Rect& bounds) : Control(form, std::move(name), bounds) {}

void Image::setPicture(std::shared_ptr<const Pixmap> picture) {
  if (picture == picture_) return;
  const bool drewSomething = drawsSomething();
  picture_ = std::move(picture);
  // The old picture has to go even when there is no new one to draw.
  if (drewSomething || drawsSomething()) form().invalidate(bounds());
}

void Image::paint(Canvas& canvas) const {
  if (picture_ && !picture_->empty()) canvas.drawPixmap(Rect::fromBounds(0, 0, width(), height()), *picture_);
}

}  // namespace toolkit
