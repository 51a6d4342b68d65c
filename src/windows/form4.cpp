#include "windows/form4.h"

namespace veltrana {

namespace {

toolkit::FormOptions options() {
  toolkit::FormOptions o;
  o.className = "TForm4";
  o.caption = "+";
  o.bounds = toolkit::Rect::fromBounds(5, 27, 177, 185);
  o.topmost = true;
  return o;
}

}  // namespace

TForm4::TForm4(toolkit::Application& application) : Form(application, options()) { finishLoading(); }

}  // namespace veltrana
