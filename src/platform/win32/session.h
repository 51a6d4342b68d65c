#pragma once

#include "platform/multimedia.h"
#include "platform/session.h"

namespace win32 {

class Win32Session : public platform::Session {
 public:
  bool ntPlatform() const override;
  void enableShutdownPrivilege() override;
  bool exitWindows(unsigned mode) override;
  void activateNextKeyboardLayout() override;
};

class Win32Multimedia : public platform::Multimedia {
 public:
  int sendCommand(const std::string& command, platform::WindowHandle callbackWindow) override;
};

}  // namespace win32
