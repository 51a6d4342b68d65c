#pragma once

#include <memory>

#include "toolkit/font.h"
#include "toolkit/form.h"

namespace platform {
class Resources;
}

namespace toolkit {
struct Pixmap;
}

namespace veltrana {

// The bar window as it was designed: its properties at creation, the two
// fonts of its texts (captions and values), and its default background.
toolkit::FormOptions barOptions();
extern const toolkit::Font captionFont;
extern const toolkit::Font valueFont;
// The picture the bar shows until a skin or a colour is applied; nothing
// when the program's resource cannot be decoded.
std::shared_ptr<const toolkit::Pixmap> defaultBackground(const platform::Resources& resources);

}  // namespace veltrana
