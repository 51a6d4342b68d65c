#pragma once

#include <optional>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font.h"

namespace toolkit {

// A line of text that sizes itself to the text, keeping its left edge.
// With the desktop's visual styles on it draws only its text; with them off it
// first fills its rectangle with its form's colour.
class Label : public Control {
 public:
  Label(Form& form, std::string name, Point at, std::string caption, const Font& font, std::string hint = {});

  const std::string& caption() const { return caption_; }
  void setCaption(std::string caption);

  const Font& font() const { return font_; }
  void setFontColor(Color color);
  // A colour of its own makes the label fill its rectangle with it.
  void setColor(Color color);

  void paint(Canvas& canvas) const override;
  // The text at the scaled font, the left and top edges scaled.
  void scaleTo(double scale) override;

 private:
  void fitToText();

  std::string caption_;
  Font font_;
  int designedFontHeight_;
  bool transparent_;
  std::optional<Color> color_;
};

}  // namespace toolkit
