#pragma once

#include "toolkit/bit_button.h"
#include "toolkit/form.h"
#include "toolkit/label.h"

namespace veltrana {

// The notice shown when the screen size is not one the bar is laid out for.
class TForm2 : public toolkit::Form {
 public:
  explicit TForm2(toolkit::Application& application);

  toolkit::Label Label2;
  toolkit::Label Label1;
  toolkit::Label Label3;
  toolkit::BitButton Button1;

  void Button1Click();
};

}  // namespace veltrana
