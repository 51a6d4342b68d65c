#pragma once

#include "toolkit/form.h"

namespace veltrana {

// The notice shown when the screen size is not one the bar is laid out for.
class TForm2 : public toolkit::Form {
 public:
  explicit TForm2(toolkit::Application& application);
};

}  // namespace veltrana
