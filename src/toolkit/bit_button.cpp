#include "toolkit/bit_button.h"

#include "toolkit/canvas.h"
#include "toolkit/form.h"

namespace toolkit {

void BitButton::mouseDown(Point local) {
  form().setFocus(*this);
  SpeedButton::mouseDown(local);
}

void BitButton::paint(Canvas& canvas) const {
  SpeedButton::paint(canvas);
  if (focused()) canvas.drawFocusRect(Rect{4, 4, width() - 4, height() - 4});
}

}  // namespace toolkit
