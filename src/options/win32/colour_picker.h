#pragma once

#include <windows.h>

#include <array>
#include <cstdint>
#include <optional>

namespace veltrana::options::win32 {

// The system's colour dialog, remembering its custom colours between uses.
class ColourPicker {
 public:
  ColourPicker();
  // The colour chosen, starting from `initial`; nothing when cancelled.
  std::optional<COLORREF> pick(HWND owner, COLORREF initial);

 private:
  std::array<COLORREF, 16> custom_;
};

// How the bar paints a colour number of the settings file: the desktop's
// own colours by their index, anything else by its low 24 bits.
COLORREF shownColour(std::int32_t value);

}  // namespace veltrana::options::win32
