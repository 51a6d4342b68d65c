#include "widgets/gauge.h"

#include "toolkit/canvas.h"

namespace veltrana {

TGauge::TGauge(toolkit::Form& form, std::string name, const toolkit::Rect& bounds)
    : Control(form, std::move(name), bounds) {}

int TGauge::Percentage() const {
  const std::int64_t range = std::int64_t{maxValue_} - minValue_;
  if (range == 0) return 0;
  return static_cast<int>((std::int64_t{progress_} - minValue_) * 100 / range);
}

void TGauge::setProgress(std::int32_t value) {
  const int shownBefore = Percentage();
  if (value < minValue_)
    value = minValue_;
  else if (value > maxValue_)
    value = maxValue_;
  if (value == progress_) return;
  progress_ = value;
  if (Percentage() != shownBefore) repaintNow();
}

void TGauge::setForeColor(toolkit::Color color) {
  if (color == foreColor_) return;
  foreColor_ = color;
  repaintNow();
}

void TGauge::setBackColor(toolkit::Color color) {
  if (color == backColor_) return;
  backColor_ = color;
  repaintNow();
}

void TGauge::paint(toolkit::Canvas& canvas) const {
  // The frame and the empty bar; the fill and the inverted text come with the
  // off-screen composition.
  canvas.fillRect(toolkit::Rect::fromBounds(0, 0, width(), height()), toolkit::colors::black);
  canvas.fillRect(toolkit::Rect{1, 1, width() - 1, height() - 1}, backColor_);
}

}  // namespace veltrana
