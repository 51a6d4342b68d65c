#pragma once

#include "toolkit/bit_button.h"
#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"
#include "toolkit/timer.h"

namespace platform {
class Resources;
class Shell;
}  // namespace platform

namespace veltrana {

// The menu panel that drops down under the left end of the bar: the Options
// program, the About program, the help page, and the end of the program. It
// hides itself once it is no longer the active window or the pointer leaves
// the screen's top-left corner.
class TForm4 : public toolkit::Form {
 public:
  TForm4(toolkit::Application& application, platform::Shell& shell, const platform::Resources& resources);

  toolkit::Panel Panel1;
  toolkit::Label Label1;
  toolkit::BitButton BitBtn1;
  toolkit::BitButton BitBtn3;
  toolkit::BitButton BitBtn4;
  toolkit::BitButton BitBtn5;
  toolkit::Timer Timer1;

  void FormCreate();
  void FormActivate();
  void Timer1Timer();
  void BitBtn1Click();
  void BitBtn3Click();
  void BitBtn4Click();
  void BitBtn5Click();

 private:
  void openCompanion(const char* fileName);

  platform::Shell& shell_;
};

}  // namespace veltrana
