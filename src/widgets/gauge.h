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

enum class TGaugeKind { gkText, gkHorizontalBar, gkVerticalBar, gkPie, gkNeedle };
enum class TBorderStyle { bsNone, bsSingle };

// A percentage gauge: a horizontal bar filled in proportion to Progress within
// MinValue..MaxValue, inside a one-pixel black frame, with the percentage
// written over it in inverted pixels.
class TGauge : public toolkit::Control {
 public:
  TGauge(toolkit::Form& form, std::string name, const toolkit::Rect& bounds);

  std::int32_t MinValue() const { return minValue_; }
  std::int32_t MaxValue() const { return maxValue_; }
  std::int32_t Progress() const { return progress_; }
  // Stores the value clamped to MinValue..MaxValue; repaints only when the
  // shown percentage changes.
  void setProgress(std::int32_t value);
  // The share of the range that Progress has reached, in whole percent.
  int Percentage() const;

  TGaugeKind Kind() const { return kind_; }
  bool ShowText() const { return showText_; }
  TBorderStyle BorderStyle() const { return borderStyle_; }
  toolkit::Color ForeColor() const { return foreColor_; }
  void setForeColor(toolkit::Color color);
  toolkit::Color BackColor() const { return backColor_; }
  void setBackColor(toolkit::Color color);

  const toolkit::Font& font() const { return font_; }
  void setFont(const toolkit::Font& font) { font_ = font; }

  void paint(toolkit::Canvas& canvas) const override;

 private:
  toolkit::Rect innerRect() const;
  void drawHorizontalBar(toolkit::Canvas& overlay, const toolkit::Rect& inner) const;
  void drawText(toolkit::Canvas& picture, const toolkit::Rect& inner) const;

  std::int32_t minValue_ = 0;
  std::int32_t maxValue_ = 100;
  std::int32_t progress_ = 0;
  TGaugeKind kind_ = TGaugeKind::gkHorizontalBar;
  bool showText_ = true;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  toolkit::Color foreColor_ = toolkit::colors::black;
  toolkit::Color backColor_ = toolkit::colors::white;
  toolkit::Font font_;
};

}  // namespace veltrana
