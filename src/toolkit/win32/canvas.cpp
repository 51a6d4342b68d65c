#include "toolkit/win32/canvas.h"

#include <algorithm>

#include "platform/win32/colour.h"
#include "platform/win32/unique_handle.h"
#include "toolkit/win32/font_cache.h"
#include "toolkit/win32/surface_pool.h"

namespace toolkit::win32 {

namespace {

BITMAPINFO describe(const toolkit::Pixmap& picture) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

}  // namespace

RECT toRECT(const toolkit::Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

Win32Canvas::Win32Canvas(HDC dc, FontCache& fonts, SurfacePool& surfaces)
    : dc_(dc), fonts_(fonts), surfaces_(surfaces) {}

Win32Canvas::~Win32Canvas() { restoreAll(); }

void Win32Canvas::restoreAll() {
  while (!saved_.empty()) restore();
}

void Win32Canvas::enter(toolkit::Point origin, const toolkit::Rect& clip) {
  saved_.push_back(::SaveDC(dc_));
  ::IntersectClipRect(dc_, clip.left, clip.top, clip.right, clip.bottom);
  ::OffsetViewportOrgEx(dc_, origin.x, origin.y, nullptr);
}

void Win32Canvas::restore() {
  if (saved_.empty()) return;
  ::RestoreDC(dc_, saved_.back());
  saved_.pop_back();
}

void Win32Canvas::fillRect(const toolkit::Rect& r, toolkit::Color color) {
  const RECT rect = toRECT(r);
  ::SetDCBrushColor(dc_, platform::win32::toCOLORREF(color));
  ::FillRect(dc_, &rect, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

void Win32Canvas::drawText(toolkit::Point at, std::string_view text, const toolkit::Font& font) {
  platform::win32::SelectedObject selected(dc_, fonts_.get(font));
  ::SetBkMode(dc_, TRANSPARENT);
  ::SetTextColor(dc_, platform::win32::toCOLORREF(font.color));
  ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
  ::TextOutA(dc_, at.x, at.y, text.data(), static_cast<int>(text.size()));
}

toolkit::Size Win32Canvas::textExtent(std::string_view text, const toolkit::Font& font) {
  platform::win32::SelectedObject selected(dc_, fonts_.get(font));
  SIZE size{};
  ::GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

void Win32Canvas::drawPixmap(const toolkit::Rect& dest, const toolkit::Pixmap& picture) {
  if (picture.empty()) return;
  const BITMAPINFO info = describe(picture);
  ::SetStretchBltMode(dc_, COLORONCOLOR);
  ::StretchDIBits(dc_, dest.left, dest.top, dest.width(), dest.height(), 0, 0, picture.width, picture.height,
                  picture.pixels.data(), &info, DIB_RGB_COLORS, SRCCOPY);
}

void Win32Canvas::drawGlyph(toolkit::Point at, const toolkit::Pixmap& glyph) {
  if (glyph.empty()) return;
  const BITMAPINFO info = describe(glyph);
  const SurfacePool::Lease memory = surfaces_.acquire({glyph.width, glyph.height});
  if (!memory.dc()) return;
  ::SetDIBitsToDevice(memory.dc(), 0, 0, glyph.width, glyph.height, 0, 0, 0, glyph.height, glyph.pixels.data(),
                      &info, DIB_RGB_COLORS);
  // The bottom-left pixel's colour marks the transparent pixels.
  const std::uint32_t key = glyph.at(0, glyph.height - 1);
  const COLORREF transparent = RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
  ::GdiTransparentBlt(dc_, at.x, at.y, glyph.width, glyph.height, memory.dc(), 0, 0, glyph.width, glyph.height,
                      transparent);
}

void Win32Canvas::drawButtonFace(const toolkit::Rect& r, toolkit::ButtonFace face) {
  RECT rect = toRECT(r);
  ::DrawFrameControl(dc_, &rect, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (face == toolkit::ButtonFace::down ? DFCS_PUSHED : 0));
}

namespace {

// A pooled memory surface, lent for as long as the canvas lives and handed
// back in the state it came in.
class OffscreenCanvas : public Win32Canvas {
 public:
  OffscreenCanvas(SurfacePool::Lease surface, toolkit::Size size, FontCache& fonts, SurfacePool& surfaces)
      : Win32Canvas(surface.dc(), fonts, surfaces), surface_(std::move(surface)) {
    offscreenSize_ = size;
    ::PatBlt(surface_.dc(), 0, 0, size.width, size.height, BLACKNESS);
  }
  ~OffscreenCanvas() override { restoreAll(); }

 private:
  SurfacePool::Lease surface_;
};

}  // namespace

std::unique_ptr<toolkit::Canvas> Win32Canvas::createOffscreen(toolkit::Size size) {
  SurfacePool::Lease surface = surfaces_.acquire(size);
  if (!surface.dc()) return nullptr;
  return std::make_unique<OffscreenCanvas>(std::move(surface), size, fonts_, surfaces_);
}

void Win32Canvas::combine(toolkit::Point at, toolkit::Canvas& offscreen, toolkit::RasterOp op) {
  auto& source = static_cast<Win32Canvas&>(offscreen);
  ::BitBlt(dc_, at.x, at.y, source.offscreenSize_.width, source.offscreenSize_.height, source.dc_, 0, 0,
           op == toolkit::RasterOp::invert ? SRCINVERT : SRCCOPY);
}

void Win32Canvas::drawFocusRect(const toolkit::Rect& r) {
  const RECT rect = toRECT(r);
  ::SetTextColor(dc_, RGB(0, 0, 0));
  ::SetBkColor(dc_, RGB(255, 255, 255));
  ::DrawFocusRect(dc_, &rect);
}

void Win32Canvas::drawBevel(const toolkit::Rect& r, toolkit::Bevel bevel) {
  RECT rect = toRECT(r);
  // The single-edge styles in the highlight and shadow colours (BDR_RAISEDOUTER
  // would take the light and dark-shadow colours of a two-edge frame).
  ::DrawEdge(dc_, &rect, bevel == toolkit::Bevel::raised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT);
}

}  // namespace toolkit::win32
