#pragma once

#include <windows.h>

#include <mmsystem.h>

#include "platform/multimedia.h"
#include "platform/win32/system_library.h"

namespace platform::win32 {

// Multimedia command strings through the media control interface. The
// multimedia library is loaded at the first command: most sessions never
// press a CD button, and it costs half a megabyte of memory under Wine.
class Win32Multimedia : public platform::Multimedia {
 public:
  int sendCommand(const std::string& command, platform::WindowHandle callbackWindow) override;

 private:
  SystemLibrary library_;
  decltype(::mciSendStringA)* sendString_ = nullptr;
};

}  // namespace platform::win32
