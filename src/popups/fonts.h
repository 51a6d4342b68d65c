#pragma once

#include "toolkit/font.h"

namespace veltrana {

// The fonts the notices and the menu panel share: their windows' own font and
// the program's name as the notices' heading.
inline const toolkit::Font windowFont{"MS Sans Serif", 11, false, toolkit::Charset::defaultSet,
                                      toolkit::colors::windowText};
inline const toolkit::Font noticeTitleFont{"Times New Roman", 27, true, toolkit::Charset::cyrillic,
                                           toolkit::colors::green};

}  // namespace veltrana
