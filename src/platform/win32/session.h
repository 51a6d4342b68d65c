#pragma once

#include "platform/session.h"

namespace win32 {

class Win32Session : public platform::Session {
 public:
  void enableShutdownPrivilege() override;
  bool exitWindows(unsigned mode) override;
  void activateNextKeyboardLayout() override;
};

}  // namespace win32
