#pragma once

#include "platform/window_system.h"

namespace win32 {

class Win32WindowSystem : public platform::WindowSystem {
 public:
  std::vector<toolkit::Monitor> monitors() const override;
  toolkit::Point cursorPos() const override;
  int verticalRefreshRate() const override;
};

}  // namespace win32
