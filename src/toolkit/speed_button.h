#pragma once

#include <memory>
#include <string>

#include "toolkit/control.h"
#include "toolkit/font.h"
#include "toolkit/pixmap.h"

namespace toolkit {

// A push button without a window of its own: it never takes the keyboard
// focus, looks pressed while the mouse button is held on it and clicks on release.
class SpeedButton : public Control {
 public:
  enum class GlyphPlacement { left, right };

  SpeedButton(Form& form, std::string name, const Rect& bounds, std::string caption, const Font& font,
              std::string hint = {});

  const std::string& caption() const { return caption_; }
  void setGlyph(std::shared_ptr<const Pixmap> glyph, GlyphPlacement placement = GlyphPlacement::left);
  bool pressed() const { return pressed_; }

  void paint(Canvas& canvas) const override;
  // The face, the caption's font and the glyph alike.
  void scaleTo(double scale) override;
  void mouseDown(Point local) override;
  void mouseUp(Point local, bool inside) override;
  void mouseMove(Point local) override;

 private:
  void setPressed(bool pressed);

  std::string caption_;
  Font font_;
  int designedFontHeight_;
  // The glyph as made, and as drawn at the button's scale.
  std::shared_ptr<const Pixmap> designedGlyph_;
  std::shared_ptr<const Pixmap> glyph_;
  double scale_ = 1;
  GlyphPlacement placement_ = GlyphPlacement::left;
  bool held_ = false;
  bool pressed_ = false;
};

}  // namespace toolkit
