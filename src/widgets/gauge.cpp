#include "widgets/gauge.h"

#include <cstdio>

#include "toolkit/canvas.h"
#include "toolkit/scaling.h"

namespace veltrana {

using toolkit::Rect;

int gaugeFillExtent(int percentage, int w) {
  const long double product = static_cast<long double>(percentage) * 0.01L * w;
  const int e = static_cast<int>(product);
  return e > w ? w : e;
}

toolkit::Point gaugeTextOrigin(const Rect& inner, toolkit::Size text) {
  return {(inner.right - inner.left + 1 - text.width) / 2, (inner.bottom - inner.top + 1 - text.height) / 2};
}

TGauge::TGauge(toolkit::Form& form, std::string name, const Rect& bounds, std::string hint)
    : Control(form, std::move(name), bounds) {
  setHint(std::move(hint));
}

void TGauge::scaleTo(double scale) {
  font_.height = toolkit::scaled(designedFontHeight_, scale);
  invalidate();
  Control::scaleTo(scale);
}

int TGauge::Percentage() const { return (progress_ - minValue_) * 100 / (maxValue_ - minValue_); }

void TGauge::setProgress(std::int32_t value) {
  const int shownBefore = Percentage();
  if (value < minValue_)
    value = minValue_;
  else if (value > maxValue_)
    value = maxValue_;
  if (value == progress_) return;
  progress_ = value;
  if (Percentage() != shownBefore) invalidate();
}

void TGauge::setForeColor(toolkit::Color color) {
  if (color == foreColor_) return;
  foreColor_ = color;
  invalidate();
}

// Inside the one-pixel frame.
Rect TGauge::innerRect() const { return Rect{1, 1, width() - 1, height() - 1}; }

// The picture starts black; the bar is drawn on a black overlay and combined
// by exclusive-or, which leaves the one-pixel frame black. The percentage is
// written in white on a black picture of its own and combined the same way,
// so every glyph pixel becomes the complement of what lies beneath it. All of
// it is composed off-screen and reaches the surface in one copy.
void TGauge::paint(toolkit::Canvas& canvas) const {
  const toolkit::Size size{width(), height()};
  const auto picture = canvas.createOffscreen(size);
  if (!picture) return;
  const Rect inner = innerRect();
  if (const auto overlay = canvas.createOffscreen(size)) {
    drawHorizontalBar(*overlay, inner);
    picture->combine({0, 0}, *overlay, toolkit::RasterOp::invert);
  }
  drawText(*picture, inner);
  canvas.combine({0, 0}, *picture, toolkit::RasterOp::copy);
}

void TGauge::drawHorizontalBar(toolkit::Canvas& overlay, const Rect& inner) const {
  overlay.fillRect(inner, backColor_);
  const int w = inner.right - inner.left + 1;
  const int h = inner.bottom - inner.top + 1;
  const int e = gaugeFillExtent(Percentage(), w);
  if (e < 1) return;
  // e and h are right and bottom coordinates, not sizes.
  overlay.fillRect(Rect{inner.left, inner.top, e, h}, foreColor_);
}

void TGauge::drawText(toolkit::Canvas& picture, const Rect& inner) const {
  const auto text = picture.createOffscreen({width(), height()});
  if (!text) return;
  char caption[16];
  std::snprintf(caption, sizeof caption, "%d%%", Percentage());
  toolkit::Font white = font_;
  white.color = toolkit::colors::white;
  white.smoothEdges = false;
  const toolkit::Point at = gaugeTextOrigin(inner, text->textExtent(caption, white));
  {
    toolkit::CanvasArea clipped(*text, {0, 0}, inner);
    text->drawText(at, caption, white);
  }
  picture.combine({0, 0}, *text, toolkit::RasterOp::invert);
}

}  // namespace veltrana
