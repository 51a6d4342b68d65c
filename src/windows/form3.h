#pragma once

#include "toolkit/form.h"

namespace veltrana {

// The notice shown when the settings file can be neither opened nor created.
class TForm3 : public toolkit::Form {
 public:
  explicit TForm3(toolkit::Application& application);
};

}  // namespace veltrana
