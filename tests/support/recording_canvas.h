#pragma once

#include <memory>
#include <string>
#include <vector>

#include "toolkit/canvas.h"

namespace fakes {

// One drawing call as a control made it.
struct Drawing {
  enum class Kind { fill, text, pixmap, glyph, buttonFace, focusRect, bevel, combine };

  Kind kind;
  // Where the control drew it, in its own coordinates: the rectangle it gave,
  // or the cell of a text or glyph at the point it gave.
  toolkit::Rect rect;
  // The origin and clip in force, in the coordinates of the whole canvas.
  toolkit::Point origin;
  toolkit::Rect clip;
  toolkit::Color color = 0;  // a fill's colour, a text's font colour
  std::string text;
  toolkit::Font font;
  toolkit::ButtonFace face = toolkit::ButtonFace::up;
  toolkit::Bevel bevel = toolkit::Bevel::raised;

  // The part of the canvas it can change: its rectangle at the origin, clipped.
  toolkit::Rect onCanvas() const;
};

// A canvas that keeps its drawing calls instead of drawing. Origins and
// clips nest as on the real canvas: enter() narrows the clip to a rectangle
// given in the current coordinates and then moves the origin. Text measures
// as on the fake window system.
class RecordingCanvas : public toolkit::Canvas {
 public:
  explicit RecordingCanvas(toolkit::Size size = {1 << 16, 1 << 16});

  void enter(toolkit::Point origin, const toolkit::Rect& clip) override;
  void restore() override;
  void fillRect(const toolkit::Rect& r, toolkit::Color color) override;
  void drawText(toolkit::Point at, std::string_view text, const toolkit::Font& font) override;
  toolkit::Size textExtent(std::string_view text, const toolkit::Font& font) override;
  void drawPixmap(const toolkit::Rect& dest, const toolkit::Pixmap& picture) override;
  void drawGlyph(toolkit::Point at, const toolkit::Pixmap& glyph) override;
  void drawButtonFace(const toolkit::Rect& r, toolkit::ButtonFace face) override;
  void drawFocusRect(const toolkit::Rect& r) override;
  void drawBevel(const toolkit::Rect& r, toolkit::Bevel bevel) override;
  std::unique_ptr<toolkit::Canvas> createOffscreen(toolkit::Size size) override;
  void combine(toolkit::Point at, toolkit::Canvas& offscreen, toolkit::RasterOp op) override;

  std::vector<Drawing> drawings;
  // How deep enter() calls nest now.
  std::size_t depth() const { return areas_.size(); }

  // The drawings made with the origin at the point (a control's top-left
  // corner, when a form paints its controls).
  std::vector<Drawing> madeAt(toolkit::Point origin) const;

 private:
  struct Area {
    toolkit::Point origin;
    toolkit::Rect clip;
  };
  Drawing& record(Drawing::Kind kind, const toolkit::Rect& r);

  toolkit::Size size_;
  Area current_;
  std::vector<Area> areas_;
};

}  // namespace fakes
