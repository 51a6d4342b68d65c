#include "windows/form3.h"

#include "windows/centred.h"

namespace veltrana {

namespace {

toolkit::FormOptions options(const toolkit::Application& application) {
  toolkit::FormOptions o;
  o.className = "TForm3";
  o.caption = "Form3";
  o.bounds = centredOnScreen(application, {249, 146});
  o.color = toolkit::colors::white;
  o.topmost = true;
  return o;
}

}  // namespace

TForm3::TForm3(toolkit::Application& application) : Form(application, options(application)) { finishLoading(); }

}  // namespace veltrana
