#include "platform/win32/multimedia.h"

#include <windows.h>

#include <mmsystem.h>

#include "platform/win32/trace.h"

namespace platform::win32 {

int Win32Multimedia::sendCommand(const std::string& command, platform::WindowHandle callbackWindow) {
  if (!sendString_) {
    library_ = SystemLibrary(L"winmm.dll");
    sendString_ = library_.function<decltype(::mciSendStringA)>("mciSendStringA");
    if (!sendString_) {
      traceIgnoredFailure("loading mciSendStringA");
      return MCIERR_DEVICE_NOT_INSTALLED;
    }
  }
  const MCIERROR error = sendString_(command.c_str(), nullptr, 0, reinterpret_cast<HWND>(callbackWindow));
  if (error != 0) traceIgnoredFailure("mciSendStringA", error);
  return static_cast<int>(error);
}

}  // namespace platform::win32
