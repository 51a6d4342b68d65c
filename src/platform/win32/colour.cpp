#include "platform/win32/colour.h"

namespace platform::win32 {

COLORREF toCOLORREF(platform::Colour colour) {
  if (platform::isDesktopColour(colour)) return ::GetSysColor(static_cast<int>(colour & 0xFF));
  return static_cast<COLORREF>(colour & 0xFFFFFF);
}

}  // namespace platform::win32
