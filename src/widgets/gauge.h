#pragma once

#include <cstdint>

#include "toolkit/color.h"
#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"

namespace toolkit {
class Canvas;
}

namespace veltrana {

// The right edge of a horizontal bar's fill, measured from the gauge's left
// edge: percentage x 0.01 x w in extended precision, truncated, at most w,
// where w is one more than the inner width.
int gaugeFillExtent(int percentage, int w);

// Where the percentage text's cell starts: centred in the inner rectangle by
// truncating division, in the gauge's own coordinates.
toolkit::Point gaugeTextOrigin(const toolkit::Rect& inner, toolkit::Size text);

// A percentage gauge (RamGauge, Gauge1): a horizontal bar filled in proportion
// to Progress within 0..100 on white, inside a one-pixel black frame, with the
// percentage written over it in inverted pixels. It paints every pixel of its
// rectangle, copying its finished picture onto the form in one go.
class TGauge : public toolkit::Control {
 public:
  TGauge(toolkit::Form& form, std::string name, const toolkit::Rect& bounds, std::string hint = {});

  std::int32_t Progress() const { return progress_; }
  // Stores the value clamped to 0..100; repaints only when the shown
  // percentage changes.
  void setProgress(std::int32_t value);
  // The share of the range that Progress has reached, in whole percent.
  int Percentage() const;

  // The colour of the filled part.
  toolkit::Color ForeColor() const { return foreColor_; }
  void setForeColor(toolkit::Color color);

  // The percentage's font; its colour is not used (the text is inverted).
  void setFont(const toolkit::Font& font) {
    font_ = font;
    designedFontHeight_ = font.height;
  }

  void paint(toolkit::Canvas& canvas) const override;
  // The rectangle and the percentage's font; the frame stays one pixel.
  void scaleTo(double scale) override;

 private:
  toolkit::Rect innerRect() const;
  void drawHorizontalBar(toolkit::Canvas& overlay, const toolkit::Rect& inner) const;
  void drawText(toolkit::Canvas& picture, const toolkit::Rect& inner) const;

  static constexpr std::int32_t minValue_ = 0;
  static constexpr std::int32_t maxValue_ = 100;
  static constexpr toolkit::Color backColor_ = toolkit::colors::white;
  std::int32_t progress_ = 0;
  toolkit::Color foreColor_ = toolkit::colors::black;
  toolkit::Font font_;
  int designedFontHeight_ = font_.height;
};

}  // namespace veltrana
