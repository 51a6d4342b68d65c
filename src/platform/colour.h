#pragma once

#include <cstdint>

namespace platform {

// A colour number as the settings file holds it and the window system paints
// it: 0x00BBGGRR, or one of the desktop's own colours, 0x80000000 plus its
// index, looked up when it is painted.
using Colour = std::uint32_t;

inline constexpr Colour desktopColour(int index) { return 0x80000000u | static_cast<Colour>(index); }
inline constexpr bool isDesktopColour(Colour c) { return (c & 0xFF000000u) == 0x80000000u; }

}  // namespace platform
