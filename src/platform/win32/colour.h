#pragma once

#include <windows.h>

#include "platform/colour.h"

namespace platform::win32 {

// How the window system paints a colour number: a desktop colour as the
// desktop shows it now, anything else by its low 24 bits.
COLORREF toCOLORREF(platform::Colour colour);

}  // namespace platform::win32
