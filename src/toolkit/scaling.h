#pragma once

#include <cmath>

#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include "toolkit/pixmap.h"

namespace toolkit {

// Forms and controls are designed in pixels of a display of 96 pixels per
// inch; on a denser one everything is drawn `scale` times as large.

inline int scaled(int designed, double scale) { return static_cast<int>(std::lround(designed * scale)); }

inline Rect scaled(const Rect& designed, double scale) {
  return Rect::fromBounds(scaled(designed.left, scale), scaled(designed.top, scale),
                          scaled(designed.width(), scale), scaled(designed.height(), scale));
}

inline Font scaled(Font designed, double scale) {
  designed.height = scaled(designed.height, scale);
  return designed;
}

// A button glyph at another size, smoothed: each pixel is the average of the
// opaque pixels it covers, or left out, like the glyph's bottom-left pixel,
// where the glyph covers less than half of it.
Pixmap scaledGlyph(const Pixmap& glyph, Size size);

}  // namespace toolkit
