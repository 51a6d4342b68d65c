#include "bar/bar_design.h"

#include "platform/resources.h"
#include "toolkit/jpeg_image.h"

namespace veltrana {

const toolkit::Font captionFont{"Times New Roman", 13, true, toolkit::Charset::cyrillic, toolkit::colors::black};
const toolkit::Font valueFont{"Times New Roman", 13, true, toolkit::Charset::cyrillic, toolkit::colors::green};

toolkit::FormOptions barOptions() {
  toolkit::FormOptions o;
  o.className = "TVTR";
  // Not the application title, which the taskbar timer looks for.
  o.caption = "Tesvo ";
  o.bounds = toolkit::Rect::fromBounds(85, 183, 804, 27);
  o.color = toolkit::colors::silver;
  o.topmost = true;
  o.autoSize = true;
  o.screenSnap = true;
  o.snapDistance = 10;
  o.mainWindow = true;
  return o;
}

std::shared_ptr<const toolkit::Pixmap> defaultBackground(const platform::Resources& resources) {
  auto picture = toolkit::decodeJpeg(resources.bytes(platform::Resource::defaultBackground));
  if (!picture) return nullptr;
  return std::make_shared<const toolkit::Pixmap>(std::move(*picture));
}

}  // namespace veltrana
