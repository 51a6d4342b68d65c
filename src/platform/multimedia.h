#pragma once

#include <string>

#include "platform/shell.h"

namespace platform {

// Multimedia command strings.
class Multimedia {
 public:
  virtual ~Multimedia() = default;
  // Sends the command and waits for it to finish; the device's error code.
  virtual int sendCommand(const std::string& command, WindowHandle callbackWindow) = 0;
};

}  // namespace platform
