#pragma once

#include "toolkit/form.h"

namespace veltrana {

// The menu panel that drops down under the left end of the bar.
class TForm4 : public toolkit::Form {
 public:
  explicit TForm4(toolkit::Application& application);
};

}  // namespace veltrana
