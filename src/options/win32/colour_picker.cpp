#include "options/win32/colour_picker.h"

#include <commdlg.h>

#include "toolkit/color.h"

namespace veltrana::options::win32 {

ColourPicker::ColourPicker() { custom_.fill(RGB(255, 255, 255)); }

std::optional<COLORREF> ColourPicker::pick(HWND owner, COLORREF initial) {
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner;
  choose.rgbResult = initial;
  choose.lpCustColors = custom_.data();
  choose.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
  if (!::ChooseColorW(&choose)) return std::nullopt;
  return choose.rgbResult;
}

COLORREF shownColour(std::int32_t value) {
  const auto colour = static_cast<toolkit::Color>(value);
  if (toolkit::isSystemColor(colour)) return ::GetSysColor(static_cast<int>(colour & 0xFF));
  return static_cast<COLORREF>(colour & 0xFFFFFF);
}

}  // namespace veltrana::options::win32
