#pragma once

#include "platform/session.h"

namespace platform::win32 {

class Win32Session : public platform::Session {
 public:
  void enableShutdownPrivilege() override;
  bool exitWindows(unsigned mode) override;
  void activateNextKeyboardLayout() override;
};

}  // namespace platform::win32
