#include "popups/unsupported_screen_notice.h"

#include "toolkit/application.h"
#include "popups/centred.h"
#include "popups/fonts.h"

namespace veltrana {

namespace {

const toolkit::Font noticeFont{"Times New Roman", 19, false, toolkit::Charset::cyrillic, toolkit::colors::windowText};

toolkit::FormOptions options(const toolkit::Application& application) {
  toolkit::FormOptions o;
  o.className = "TForm2";
  o.caption = "Form2";
  o.bounds = centredOnDesktop(application, {337, 137});
  o.color = toolkit::colors::white;
  return o;
}

}  // namespace

// The texts, misspellings included, are the notice's own.
TForm2::TForm2(toolkit::Application& application)
    : Form(application, options(application)),
      Label2(*this, "Label2", {104, 8}, "Veltrana", noticeTitleFont),
      Label1(*this, "Label1", {88, 40}, "Screen size not support", noticeFont),
      Label3(*this, "Label3", {16, 72}, "Sreen size supprot: 1024*768, 1280*1024, 1280*960, 1280*800", windowFont),
      Button1(*this, "Button1", toolkit::Rect::fromBounds(136, 104, 75, 25), "OK", windowFont) {
  Button1.onClick = [this] { Button1Click(); };
  setFocus(Button1);
  finishLoading();
}

void TForm2::Button1Click() { application().terminate(0); }

}  // namespace veltrana
