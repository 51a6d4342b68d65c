#pragma once

#include <memory>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include "toolkit/pixmap.h"

namespace toolkit {

enum class ButtonFace { up, down };

enum class Bevel { raised, lowered };

// How a picture combines with what lies beneath: a plain copy, or
// exclusive-or of every pixel.
enum class RasterOp { copy, invert };

// A drawing surface. Coordinates are relative to the current origin; drawing
// is clipped to the current clip rectangle.
class Canvas {
 public:
  virtual ~Canvas() = default;

  // Narrows the clip to `clip` and then moves the origin to `origin`, both
  // given in the current coordinates, until the matching restore().
  virtual void enter(Point origin, const Rect& clip) = 0;
  virtual void restore() = 0;

  virtual void fillRect(const Rect& r, Color color) = 0;
  // Text with the top-left corner of its cell at `at`, background untouched.
  virtual void drawText(Point at, std::string_view text, const Font& font) = 0;
  virtual Size textExtent(std::string_view text, const Font& font) = 0;
  // The picture stretched over `dest`.
  virtual void drawPixmap(const Rect& dest, const Pixmap& picture) = 0;
  // The picture at its own size; pixels of the colour of its bottom-left pixel
  // are left out, as button glyphs are drawn.
  virtual void drawGlyph(Point at, const Pixmap& glyph) = 0;
  virtual void drawButtonFace(const Rect& r, ButtonFace face) = 0;
  // The dotted rectangle that marks the keyboard focus.
  virtual void drawFocusRect(const Rect& r) = 0;
  // A one-pixel bevel just inside `r`.
  virtual void drawBevel(const Rect& r, Bevel bevel) = 0;

  // An off-screen picture of the size, every pixel black, compatible with
  // this canvas. Its origin is its top-left corner.
  virtual std::unique_ptr<Canvas> createOffscreen(Size size) = 0;
  // Combines a whole off-screen picture made by createOffscreen onto this
  // canvas with its top-left corner at `at`.
  virtual void combine(Point at, Canvas& offscreen, RasterOp op) = 0;
};

// Scope guard for Canvas::enter.
class CanvasArea {
 public:
  CanvasArea(Canvas& canvas, Point origin, const Rect& clip) : canvas_(canvas) { canvas_.enter(origin, clip); }
  ~CanvasArea() { canvas_.restore(); }
  CanvasArea(const CanvasArea&) = delete;
  CanvasArea& operator=(const CanvasArea&) = delete;

 private:
  Canvas& canvas_;
};

}  // namespace toolkit
