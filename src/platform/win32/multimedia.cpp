#include "platform/win32/multimedia.h"

#include <windows.h>

#include <mmsystem.h>

#include "platform/win32/trace.h"

namespace win32 {

int Win32Multimedia::sendCommand(const std::string& command, platform::WindowHandle callbackWindow) {
  const MCIERROR error = ::mciSendStringA(command.c_str(), nullptr, 0, reinterpret_cast<HWND>(callbackWindow));
  if (error != 0) traceIgnoredFailure("mciSendStringA", error);
  return static_cast<int>(error);
}

}  // namespace win32
