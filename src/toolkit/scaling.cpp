#include "toolkit/scaling.h"

#include <algorithm>

namespace toolkit {

namespace {

// Sums over a source rectangle of fractional edges, weighted by how much of
// each source pixel it covers.
struct Coverage {
  double opaque = 0;
  double all = 0;
  double red = 0;
  double green = 0;
  double blue = 0;
};

}  // namespace

Pixmap scaledGlyph(const Pixmap& glyph, Size size) {
  Pixmap out;
  if (glyph.empty() || size.width <= 0 || size.height <= 0) return out;
  if (size.width == glyph.width && size.height == glyph.height) return glyph;
  out.width = size.width;
  out.height = size.height;
  out.pixels.resize(static_cast<std::size_t>(size.width) * size.height);
  const std::uint32_t transparent = glyph.at(0, glyph.height - 1);
  const double sx = static_cast<double>(glyph.width) / size.width;
  const double sy = static_cast<double>(glyph.height) / size.height;
  for (int y = 0; y < size.height; ++y) {
    const double top = y * sy;
    const double bottom = (y + 1) * sy;
    for (int x = 0; x < size.width; ++x) {
      const double left = x * sx;
      const double right = (x + 1) * sx;
      Coverage c;
      for (int v = static_cast<int>(top); v < glyph.height && v < bottom; ++v) {
        const double h = std::min<double>(bottom, v + 1) - std::max<double>(top, v);
        for (int u = static_cast<int>(left); u < glyph.width && u < right; ++u) {
          const double w = (std::min<double>(right, u + 1) - std::max<double>(left, u)) * h;
          c.all += w;
          const std::uint32_t p = glyph.at(u, v);
          if (p == transparent) continue;
          c.opaque += w;
          c.red += w * ((p >> 16) & 0xFF);
          c.green += w * ((p >> 8) & 0xFF);
          c.blue += w * (p & 0xFF);
        }
      }
      std::uint32_t pixel = transparent;
      if (c.opaque * 2 >= c.all && c.opaque > 0) {
        const auto channel = [&](double sum) { return static_cast<std::uint32_t>(std::lround(sum / c.opaque)); };
        pixel = channel(c.red) << 16 | channel(c.green) << 8 | channel(c.blue);
        // An average that happens to be the transparent colour would vanish.
        if (pixel == transparent) pixel ^= 1;
      }
      out.pixels[static_cast<std::size_t>(y) * size.width + x] = pixel;
    }
  }
  // The bottom-left pixel names the transparent colour, as in every glyph.
  out.pixels[static_cast<std::size_t>(size.height - 1) * size.width] = transparent;
  return out;
}

}  // namespace toolkit
