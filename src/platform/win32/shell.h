#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <utility>

#include "platform/shell.h"
#include "platform/win32/system_library.h"

namespace platform::win32 {

class Win32Shell : public platform::Shell {
 public:
  std::optional<std::string> personalFolder(platform::WindowHandle owner) const override;
  std::optional<std::string> personalFolderSetting() const override;
  std::string programPath() const override;
  void addTrayIcon(platform::WindowHandle window, unsigned id, const std::string& tip) override;
  void deleteTrayIcon(platform::WindowHandle window, unsigned id) override;
  void openFile(platform::WindowHandle parent, const std::string& path) override;
  void reserveTopStrip(platform::WindowHandle window, const platform::ScreenStrip& strip) override;
  void releaseStrip(platform::WindowHandle window) override;

  // A message registered by name that reached the window the program's icon
  // and strip belong to. The shell's "TaskbarCreated" says the shell started
  // anew: every icon and every reserved strip is gone, and each is added
  // again when next asked for. The message of a reserved strip brings the
  // shell's news of it.
  void registeredMessage(unsigned message, std::uintptr_t wParam, std::intptr_t lParam);

 private:
  // Icons the shell has taken. Adding one again changes nothing but costs a
  // round trip to the shell's process (over a millisecond under Wine) once a
  // second, so it is asked again only after the notification area is recreated.
  std::set<std::pair<platform::WindowHandle, unsigned>> shownIcons_;
  // The windows the shell keeps as desktop toolbars, each with the strip it
  // placed; nothing once another toolbar came, went or moved, and the strip is
  // placed again, in the toolbar's turn, when next asked for. Registering it
  // anew would put it behind the others.
  std::map<platform::WindowHandle, std::optional<platform::ScreenStrip>> strips_;
  // The shell's library, loaded at the first file opened and kept.
  SystemLibrary opener_;
};

}  // namespace platform::win32
