#pragma once

#include <cstdint>

#include "toolkit/color.h"
#include "toolkit/control.h"
#include "toolkit/font.h"

namespace veltrana {

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
