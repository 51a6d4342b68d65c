#include "windows/form2.h"

#include "windows/centred.h"

namespace veltrana {

namespace {

toolkit::FormOptions options(const toolkit::Application& application) {
  toolkit::FormOptions o;
  o.className = "TForm2";
  o.caption = "Form2";
  o.bounds = centredOnDesktop(application, {337, 137});
  o.color = toolkit::colors::white;
  return o;
}

}  // namespace

TForm2::TForm2(toolkit::Application& application) : Form(application, options(application)) { finishLoading(); }

}  // namespace veltrana
