#include "options/win32/colour_picker.h"

#include <commdlg.h>

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

}  // namespace veltrana::options::win32
