#pragma once

#include <windows.h>

#include <vector>

#include "platform/win32/unique_handle.h"
#include "toolkit/font.h"

namespace toolkit::win32 {

// The native fonts the forms use, created once each and kept for the life of
// the program (a handful: the bar's font and the notices' fonts).
class FontCache {
 public:
  HFONT get(const toolkit::Font& font);
  std::size_t size() const { return fonts_.size(); }

 private:
  struct Entry {
    toolkit::Font font;
    platform::win32::UniqueFont handle;
  };
  std::vector<Entry> fonts_;
};

}  // namespace toolkit::win32
