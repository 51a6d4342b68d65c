#include "popups/file_error_notice.h"

#include "toolkit/application.h"
#include "popups/centred.h"
#include "popups/fonts.h"

namespace veltrana {

namespace {

const toolkit::Font messageFont{"Times New Roman", 16, true, toolkit::Charset::cyrillic, toolkit::colors::windowText};

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

TForm3::TForm3(toolkit::Application& application)
    : Form(application, options(application)),
      Label1(*this, "Label1", {51, 9}, "Veltrana", noticeTitleFont),
      // The grave accent in "Can`t" is the message's own.
      Label2(*this, "Label2", {32, 64}, "Can`t open file on disk ", messageFont),
      SpeedButton1(*this, "SpeedButton1", toolkit::Rect::fromBounds(88, 112, 65, 22), "Ok", windowFont) {
  Label1.setColor(toolkit::colors::buttonHighlight);
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  onDeactivate = [this] { FormDeactivate(); };
  finishLoading();
}

void TForm3::appendToMessage(const std::string& text) { Label2.setCaption(Label2.caption() + text); }

void TForm3::SpeedButton1Click() { application().terminate(0); }

void TForm3::FormDeactivate() { hide(); }

}  // namespace veltrana
