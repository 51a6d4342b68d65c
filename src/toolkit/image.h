#pragma once

#include <memory>

#include "toolkit/control.h"
#include "toolkit/pixmap.h"

namespace toolkit {

// A picture stretched over the control's rectangle. Without a picture it
// draws nothing and only takes the mouse.
class Image : public Control {
 public:
  Image(Form& form, std::string name, const Rect& bounds);

  const std::shared_ptr<const Pixmap>& picture() const { return picture_; }
  void setPicture(std::shared_ptr<const Pixmap> picture);

  void paint(Canvas& canvas) const override;
  bool drawsSomething() const override { return picture_ && !picture_->empty(); }

 private:
  std::shared_ptr<const Pixmap> picture_;
};

}  // namespace toolkit
