#pragma once

#include <set>
#include <utility>

#include "platform/shell.h"

namespace platform::win32 {

class Win32Shell : public platform::Shell {
 public:
  std::optional<std::string> personalFolder(platform::WindowHandle owner) const override;
  std::optional<std::string> personalFolderSetting() const override;
  std::string programPath() const override;
  void addTrayIcon(platform::WindowHandle window, unsigned id, const std::string& tip) override;
  void deleteTrayIcon(platform::WindowHandle window, unsigned id) override;
  void openFile(platform::WindowHandle parent, const std::string& path) override;

  // A message registered by name that reached one of the program's windows.
  // The shell's "TaskbarCreated" says the notification area was made anew
  // (the shell restarted): every icon is gone, and is added again when asked.
  void registeredMessage(unsigned message);

 private:
  // Icons the shell has taken. Adding one again changes nothing but costs a
  // round trip to the shell's process (over a millisecond under Wine) once a
  // second, so it is asked again only after the notification area is recreated.
  std::set<std::pair<platform::WindowHandle, unsigned>> shownIcons_;
};

}  // namespace platform::win32
