#pragma once

#include <string>

#include "toolkit/form.h"
#include "toolkit/label.h"
#include "toolkit/speed_button.h"

namespace veltrana {

// The notice shown when the settings file can be neither opened nor created.
class TForm3 : public toolkit::Form {
 public:
  explicit TForm3(toolkit::Application& application);

  toolkit::Label Label1;
  toolkit::Label Label2;
  toolkit::SpeedButton SpeedButton1;

  // Adds to the message, which then names the drive of the settings folder.
  void appendToMessage(const std::string& text);

  void SpeedButton1Click();
  void FormDeactivate();
};

}  // namespace veltrana
