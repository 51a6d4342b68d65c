#pragma once

#include <windows.h>

#include <vector>

#include "toolkit/canvas.h"

namespace toolkit::win32 {

class FontCache;
class SurfacePool;

// The toolkit's canvas on a GDI device context. Its off-screen pictures come
// from the pool.
class Win32Canvas : public toolkit::Canvas {
 public:
  Win32Canvas(HDC dc, FontCache& fonts, SurfacePool& surfaces);
  ~Win32Canvas() override;

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

  HDC dc() const { return dc_; }

 protected:
  void restoreAll();

  toolkit::Size offscreenSize_{};

 private:
  HDC dc_;
  FontCache& fonts_;
  SurfacePool& surfaces_;
  std::vector<int> saved_;
};

RECT toRECT(const toolkit::Rect& r);

}  // namespace toolkit::win32
