#pragma once

#include <cstdint>
#include <vector>

namespace toolkit {

// A picture in memory: rows top to bottom, each pixel 0x00RRGGBB (the byte
// order of a 32-bit device-independent bitmap).
struct Pixmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  bool empty() const { return width <= 0 || height <= 0; }
  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace toolkit
