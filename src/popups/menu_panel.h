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

// The menu panel (TForm4, titled "+") that the magic button drops down under
// the left end of the bar: the Options program, the About program, the help
// page, and the end of the program. It hides itself once it is no longer the
// active window or the pointer leaves the screen's top-left corner.
class TForm4 : public toolkit::Form {
 public:
  TForm4(toolkit::Application& application, platform::Shell& shell, const platform::Resources& resources);

  toolkit::Panel Panel1;       // the raised face under everything
  toolkit::Label Label1;       // the heading "Veltrana:"
  toolkit::BitButton BitBtn1;  // "Options": starts Options.exe beside the program
  toolkit::BitButton BitBtn3;  // "About": starts About.exe
  toolkit::BitButton BitBtn4;  // "Help": opens About.html and hides the panel
  toolkit::BitButton BitBtn5;  // "Exit": ends the program
  toolkit::Timer Timer1;       // every 10 ms while shown: the closing rule

  // At the bar's scale, under the bar's left end.
  void scaleTo(double scale);
  // Under the left end of the bar standing at `barCorner`, on whatever monitor.
  void placeUnder(toolkit::Point barCorner);

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
  // The bar's top-left corner: the panel stands, and the pointer is judged,
  // from there.
  toolkit::Point barCorner_;
};

}  // namespace veltrana
