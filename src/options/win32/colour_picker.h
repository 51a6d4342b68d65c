#pragma once

#include <windows.h>

#include <array>
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

}  // namespace veltrana::options::win32
