#pragma once

#include "platform/colour.h"

namespace toolkit {

// A colour in the window system's 0x00BBGGRR form, as the settings file stores it.
using Color = platform::Colour;

// One of the desktop's own colours, by its index, resolved when drawn.
inline constexpr Color systemColor(int index) { return platform::desktopColour(index); }

namespace colors {
inline constexpr Color black = 0x000000;
inline constexpr Color white = 0xFFFFFF;
inline constexpr Color silver = 0xC0C0C0;
inline constexpr Color green = 0x008000;
inline constexpr Color red = 0x0000FF;
inline constexpr Color windowText = systemColor(8);
inline constexpr Color buttonFace = systemColor(15);
inline constexpr Color buttonHighlight = systemColor(20);
}  // namespace colors

}  // namespace toolkit
