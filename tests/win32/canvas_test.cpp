#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/unique_handle.h"
#include "toolkit/win32/canvas.h"
#include "toolkit/win32/font_cache.h"
#include "toolkit/win32/surface_pool.h"
#include "memory_surface.h"
#include "support/scenario.h"

namespace {

// A memory surface of the size and a canvas on it, with its own font cache and pool.
struct Drawing : MemorySurface {
  Drawing(int width, int height) : MemorySurface(width, height) {}
  toolkit::win32::FontCache fonts;
  toolkit::win32::SurfacePool surfaces;
  toolkit::win32::Win32Canvas canvas{dc.get(), fonts, surfaces};
};

TEST(Canvas, FillsAndClipsInTheCurrentArea) {
  Drawing s(40, 20);
  s.canvas.fillRect({0, 0, 40, 20}, toolkit::colors::white);
  s.canvas.enter({10, 5}, toolkit::Rect{10, 5, 20, 10});
  s.canvas.fillRect({-100, -100, 100, 100}, toolkit::colors::red);
  s.canvas.restore();
  EXPECT_EQ(s.at(10, 5), 0xFF0000u) << "red as a 32-bit DIB stores it";
  EXPECT_EQ(s.at(19, 9), 0xFF0000u);
  EXPECT_EQ(s.at(20, 9), 0xFFFFFFu) << "clipped at the area's right edge";
  EXPECT_EQ(s.at(9, 5), 0xFFFFFFu);
  EXPECT_EQ(s.at(10, 10), 0xFFFFFFu);
}

TEST(Canvas, GlyphsLeaveTheirCornerColourOut) {
  Drawing s(4, 4);
  s.canvas.fillRect({0, 0, 4, 4}, toolkit::colors::white);
  // 2x2: bottom-left is the magenta key, the others black, green and blue.
  const toolkit::Pixmap glyph{2, 2, {0x000000, 0x00FF00, 0xFF00FF, 0x0000FF}};
  s.canvas.drawGlyph({1, 1}, glyph);
  EXPECT_EQ(s.at(1, 1), 0x000000u);
  EXPECT_EQ(s.at(2, 1), 0x00FF00u);
  EXPECT_EQ(s.at(1, 2), 0xFFFFFFu) << "the key colour is transparent";
  EXPECT_EQ(s.at(2, 2), 0x0000FFu);
  EXPECT_EQ(s.at(3, 3), 0xFFFFFFu);
}

TEST(Canvas, PicturesStretchOverTheirRectangle) {
  Drawing s(8, 2);
  const toolkit::Pixmap twoColumns{2, 1, {0xFF0000, 0x0000FF}};
  s.canvas.drawPixmap({0, 0, 8, 2}, twoColumns);
  EXPECT_EQ(s.at(0, 0), 0xFF0000u);
  EXPECT_EQ(s.at(3, 1), 0xFF0000u);
  EXPECT_EQ(s.at(4, 0), 0x0000FFu);
  EXPECT_EQ(s.at(7, 1), 0x0000FFu);
}

TEST(Canvas, TheBarFontMeasuresLikeTheLayoutExpects) {
  Drawing s(1, 1);
  const toolkit::Font& barFont = fakes::barCaptionFont();
  const toolkit::Size digits = s.canvas.textExtent("0000", barFont);
  EXPECT_EQ(digits.width, 4 * s.canvas.textExtent("0", barFont).width) << "digits have one width";
  EXPECT_NEAR(digits.width, 28, 2);
  EXPECT_NEAR(digits.height, 15, 1);
  EXPECT_NEAR(s.canvas.textExtent("Frequency", barFont).width, 57, 4);
  s.canvas.textExtent("x", barFont);
  EXPECT_EQ(s.fonts.size(), 1u) << "one native font per face, whatever its colour";
  toolkit::Font green = barFont;
  green.color = toolkit::colors::green;
  s.canvas.textExtent("x", green);
  EXPECT_EQ(s.fonts.size(), 1u);
}

}  // namespace
