#include "platform/win32/system_info.h"

#include <windows.h>

namespace win32 {

platform::Date Win32SystemInfo::today() const {
  SYSTEMTIME now{};
  ::GetLocalTime(&now);
  return {now.wYear, now.wMonth, now.wDay};
}

}  // namespace win32
