#include "toolkit/speed_button.h"

#include "toolkit/canvas.h"
#include "toolkit/scaling.h"

namespace toolkit {

namespace {
constexpr int glyphSpacing = 4;
}

SpeedButton::SpeedButton(Form& form, std::string name, const Rect& bounds, std::string caption, const Font& font,
                         std::string hint)
    : Control(form, std::move(name), bounds),
      caption_(std::move(caption)),
      font_(font),
      designedFontHeight_(font.height) {
  setHint(std::move(hint));
}

void SpeedButton::setGlyph(std::shared_ptr<const Pixmap> glyph, GlyphPlacement placement) {
  designedGlyph_ = std::move(glyph);
  placement_ = placement;
  glyph_ = designedGlyph_;
  if (glyph_ && scale_ != 1)
    glyph_ = std::make_shared<const Pixmap>(
        scaledGlyph(*designedGlyph_, {scaled(designedGlyph_->width, scale_), scaled(designedGlyph_->height, scale_)}));
  invalidate();
}

void SpeedButton::scaleTo(double scale) {
  Control::scaleTo(scale);
  if (scale == scale_) return;
  scale_ = scale;
  font_.height = scaled(designedFontHeight_, scale);
  setGlyph(designedGlyph_, placement_);
}

void SpeedButton::setPressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  invalidate();
}

void SpeedButton::mouseDown(Point) {
  held_ = true;
  setPressed(true);
}

void SpeedButton::mouseMove(Point local) {
  if (held_) setPressed(Rect::fromBounds(0, 0, width(), height()).contains(local));
  Control::mouseMove(local);
}

void SpeedButton::mouseUp(Point local, bool inside) {
  held_ = false;
  setPressed(false);
  Control::mouseUp(local, inside);
}

void SpeedButton::paint(Canvas& canvas) const {
  const Rect face = Rect::fromBounds(0, 0, width(), height());
  canvas.drawButtonFace(face, pressed_ ? ButtonFace::down : ButtonFace::up);

  // Glyph and caption side by side, the pair centred; pressed shifts by one pixel.
  const Size text = caption_.empty() ? Size{} : canvas.textExtent(caption_, font_);
  const Size glyph = glyph_ ? Size{glyph_->width, glyph_->height} : Size{};
  const int gap = (glyph_ && !caption_.empty()) ? glyphSpacing : 0;
  const int total = glyph.width + gap + text.width;
  const int shift = pressed_ ? 1 : 0;
  int x = (width() - total) / 2 + shift;
  const auto drawGlyph = [&] {
    canvas.drawGlyph({x, (height() - glyph.height) / 2 + shift}, *glyph_);
    x += glyph.width + gap;
  };
  const auto drawCaption = [&] {
    canvas.drawText({x, (height() - text.height) / 2 + shift}, caption_, font_);
    x += text.width + gap;
  };
  if (glyph_ && placement_ == GlyphPlacement::left) drawGlyph();
  if (!caption_.empty()) drawCaption();
  if (glyph_ && placement_ == GlyphPlacement::right) drawGlyph();
}

}  // namespace toolkit
