#pragma once

#include "platform/system_info.h"

namespace win32 {

class Win32SystemInfo : public platform::SystemInfo {
 public:
  platform::Date today() const override;
};

}  // namespace win32
