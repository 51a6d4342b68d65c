#pragma once

#include <string>

#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/speed_button.h"

namespace veltrana {

// The file-error notice (TForm3, titled "Form3"): shown at start when the
// settings file can be neither opened nor created. Its button ends the
// program; clicking elsewhere closes it and the bar stays, its timers stopped.
class TForm3 : public toolkit::Form {
 public:
  explicit TForm3(toolkit::Application& application);

  toolkit::Label Label1;              // the heading "Veltrana"
  toolkit::Label Label2;              // "Can`t open file on disk " and the drive
  toolkit::SpeedButton SpeedButton1;  // "Ok": ends the program

  // Adds to the message, which then names the drive of the settings folder.
  void appendToMessage(const std::string& text);

  void SpeedButton1Click();
  void FormDeactivate();
};

}  // namespace veltrana
