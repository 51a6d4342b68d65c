#pragma once

#include "platform/multimedia.h"

namespace win32 {

// Multimedia command strings through the media control interface.
class Win32Multimedia : public platform::Multimedia {
 public:
  int sendCommand(const std::string& command, platform::WindowHandle callbackWindow) override;
};

}  // namespace win32
