#include "platform/win32/exception_box.h"

#include "platform/exception_text.h"
#include "platform/win32/text.h"

namespace platform::win32 {

void showException(HWND owner, const std::string& title, std::exception_ptr exception) {
  ::MessageBoxW(owner, widen(platform::describeException(exception)).c_str(), widen(title).c_str(),
                MB_OK | MB_ICONERROR);
}

}  // namespace platform::win32
