#pragma once

#include "platform/shell.h"

namespace win32 {

class Win32Shell : public platform::Shell {
 public:
  std::optional<std::string> personalFolder(platform::WindowHandle owner) const override;
  std::string programPath() const override;
  void addTrayIcon(platform::WindowHandle window, unsigned id, const std::string& tip) override;
  void deleteTrayIcon(platform::WindowHandle window, unsigned id) override;
  void openFile(platform::WindowHandle parent, const std::string& path) override;
};

}  // namespace win32
