#pragma once

#include <array>

namespace veltrana {

// The screens the bar was laid out for by hand, in pixels: without line 8's
// Fit it runs on these alone, and there fitting changes nothing at 100 %.
struct ScreenSize {
  int width = 0;
  int height = 0;
};
inline constexpr std::array<ScreenSize, 4> madeForScreens{{{1280, 1024}, {1024, 768}, {1280, 800}, {1280, 960}}};

constexpr bool madeForScreen(int width, int height) {
  for (const ScreenSize& screen : madeForScreens)
    if (screen.width == width && screen.height == height) return true;
  return false;
}

}  // namespace veltrana
