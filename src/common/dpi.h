#pragma once

namespace veltrana {

// The pixels per inch of a screen at 100 % scaling, which the programs'
// windows are designed for: the bar's layouts are in pixels of such a screen,
// and other scalings are named as a share of it.
inline constexpr int designDpi = 96;

}  // namespace veltrana
