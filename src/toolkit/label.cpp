#include "toolkit/label.h"

#include "toolkit/application.h"
#include "toolkit/backend.h"
#include "toolkit/canvas.h"
#include "toolkit/form.h"
#include "toolkit/scaling.h"

namespace toolkit {

Label::Label(Form& form, std::string name, Point at, std::string caption, const Font& font, std::string hint)
    : Control(form, std::move(name), Rect::fromBounds(at.x, at.y, 0, 0)),
      caption_(std::move(caption)),
      font_(font),
      designedFontHeight_(font.height),
      transparent_(form.application().backend().visualStylesOn()) {
  setHint(std::move(hint));
  fitToText();
}

void Label::setCaption(std::string caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  invalidate();
  fitToText();
}

void Label::setFontColor(Color color) {
  if (color == font_.color) return;
  font_.color = color;
  invalidate();
}

void Label::setColor(Color color) {
  if (color_ == color) return;
  color_ = color;
  invalidate();
}

void Label::scaleTo(double scale) {
  const int height = scaled(designedFontHeight_, scale);
  if (height != font_.height) {
    font_.height = height;
    invalidate();
  }
  const Rect& designed = designedBounds();
  setBounds(Rect::fromBounds(scaled(designed.left, scale), scaled(designed.top, scale), width(), this->height()));
  fitToText();
}

void Label::fitToText() {
  const Size size = form().application().backend().textExtent(font_, caption_);
  setBounds(Rect::fromBounds(left(), top(), size.width, size.height));
}

void Label::paint(Canvas& canvas) const {
  if (color_)
    canvas.fillRect(Rect::fromBounds(0, 0, width(), height()), *color_);
  else if (!transparent_)
    canvas.fillRect(Rect::fromBounds(0, 0, width(), height()), form().color());
  canvas.drawText({0, 0}, caption_, font_);
}

}  // namespace toolkit
