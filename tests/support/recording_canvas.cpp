#include "support/recording_canvas.h"

#include "support/fake_backend.h"

namespace fakes {

toolkit::Rect Drawing::onCanvas() const {
  const toolkit::Rect moved{rect.left + origin.x, rect.top + origin.y, rect.right + origin.x, rect.bottom + origin.y};
  return moved.intersect(clip);
}

RecordingCanvas::RecordingCanvas(toolkit::Size size)
    : size_(size), current_{{0, 0}, toolkit::Rect::fromBounds(0, 0, size.width, size.height)} {}

void RecordingCanvas::enter(toolkit::Point origin, const toolkit::Rect& clip) {
  areas_.push_back(current_);
  const toolkit::Point o = current_.origin;
  current_.clip = current_.clip.intersect({clip.left + o.x, clip.top + o.y, clip.right + o.x, clip.bottom + o.y});
  current_.origin = {o.x + origin.x, o.y + origin.y};
}

void RecordingCanvas::restore() {
  if (areas_.empty()) return;
  current_ = areas_.back();
  areas_.pop_back();
}

Drawing& RecordingCanvas::record(Drawing::Kind kind, const toolkit::Rect& r) {
  Drawing& d = drawings.emplace_back();
  d.kind = kind;
  d.rect = r;
  d.origin = current_.origin;
  d.clip = current_.clip;
  return d;
}

void RecordingCanvas::fillRect(const toolkit::Rect& r, toolkit::Color color) {
  record(Drawing::Kind::fill, r).color = color;
}

void RecordingCanvas::drawText(toolkit::Point at, std::string_view text, const toolkit::Font& font) {
  const toolkit::Size cell = textExtent(text, font);
  Drawing& d = record(Drawing::Kind::text, toolkit::Rect::fromBounds(at.x, at.y, cell.width, cell.height));
  d.text = std::string(text);
  d.font = font;
  d.color = font.color;
}

toolkit::Size RecordingCanvas::textExtent(std::string_view text, const toolkit::Font& font) {
  return measureText(font, text);
}

void RecordingCanvas::drawPixmap(const toolkit::Rect& dest, const toolkit::Pixmap&) {
  record(Drawing::Kind::pixmap, dest);
}

void RecordingCanvas::drawGlyph(toolkit::Point at, const toolkit::Pixmap& glyph) {
  record(Drawing::Kind::glyph, toolkit::Rect::fromBounds(at.x, at.y, glyph.width, glyph.height));
}

void RecordingCanvas::drawButtonFace(const toolkit::Rect& r, toolkit::ButtonFace face) {
  record(Drawing::Kind::buttonFace, r).face = face;
}

void RecordingCanvas::drawFocusRect(const toolkit::Rect& r) { record(Drawing::Kind::focusRect, r); }

void RecordingCanvas::drawBevel(const toolkit::Rect& r, toolkit::Bevel bevel) {
  record(Drawing::Kind::bevel, r).bevel = bevel;
}

std::unique_ptr<toolkit::Canvas> RecordingCanvas::createOffscreen(toolkit::Size size) {
  return std::make_unique<RecordingCanvas>(size);
}

void RecordingCanvas::combine(toolkit::Point at, toolkit::Canvas& offscreen, toolkit::RasterOp) {
  const toolkit::Size size = static_cast<RecordingCanvas&>(offscreen).size_;
  record(Drawing::Kind::combine, toolkit::Rect::fromBounds(at.x, at.y, size.width, size.height));
}

std::vector<Drawing> RecordingCanvas::madeAt(toolkit::Point origin) const {
  std::vector<Drawing> found;
  for (const Drawing& d : drawings)
    if (d.origin == origin) found.push_back(d);
  return found;
}

}  // namespace fakes
