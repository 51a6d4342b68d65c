#pragma once

#include <array>

#include "common/screen.h"

namespace veltrana {

// The screens the bar was laid out for by hand, in pixels at 100 %: without
// line 8's Fit it runs on these alone (in pixels, whatever the scaling), and
// there fitting changes nothing at 100 %.
inline constexpr std::array<Screen, 4> madeForScreens{{{1280, 1024}, {1024, 768}, {1280, 800}, {1280, 960}}};

constexpr bool madeForScreen(int width, int height) {
  for (const Screen& screen : madeForScreens)
    if (screen.width == width && screen.height == height) return true;
  return false;
}

}  // namespace veltrana
