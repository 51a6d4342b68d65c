#pragma once

#include "toolkit/bit_button.h"
#include "toolkit/form.h"
#include "toolkit/label.h"

namespace veltrana {

// The unsupported-screen notice (TForm2, titled "Form2"): shown a second after
// start on a screen size the bar is not laid out for; its button ends the program.
class TForm2 : public toolkit::Form {
 public:
  explicit TForm2(toolkit::Application& application);

  toolkit::Label Label2;       // the heading "Veltrana"
  toolkit::Label Label1;       // "Screen size not support"
  toolkit::Label Label3;       // the supported sizes
  toolkit::BitButton Button1;  // "OK", which has the focus: ends the program

  void Button1Click();
};

}  // namespace veltrana
