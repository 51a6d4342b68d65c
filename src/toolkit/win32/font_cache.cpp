#include "toolkit/win32/font_cache.h"

#include <algorithm>
#include <cstring>

namespace toolkit::win32 {

HFONT FontCache::get(const toolkit::Font& font) {
  for (const Entry& e : fonts_)
    if (e.font.sameFace(font)) return e.handle.get();
  LOGFONTA lf{};
  lf.lfHeight = -font.height;  // character height, not cell height
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfCharSet = font.charset == toolkit::Charset::cyrillic ? RUSSIAN_CHARSET : DEFAULT_CHARSET;
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = font.smoothEdges ? DEFAULT_QUALITY : NONANTIALIASED_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH;
  const std::size_t length = std::min(font.face.size(), sizeof lf.lfFaceName - 1);
  std::memcpy(lf.lfFaceName, font.face.data(), length);
  fonts_.push_back({font, platform::win32::UniqueFont(::CreateFontIndirectA(&lf))});
  return fonts_.back().handle.get();
}

}  // namespace toolkit::win32
