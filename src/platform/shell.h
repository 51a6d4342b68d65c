#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// A native window as the shell needs it; opaque to the portable program.
using WindowHandle = std::uintptr_t;

// A strip along an edge of the screen, in screen pixels (right and bottom
// exclusive).
struct ScreenStrip {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const ScreenStrip&, const ScreenStrip&) = default;
};

// The shell: special folders, the program's own file, the notification area.
class Shell {
 public:
  virtual ~Shell() = default;
  // The current user's personal documents folder as the shell answers,
  // which need not be a path (see documentsFolder); nothing when the shell has none.
  virtual std::optional<std::string> personalFolder(WindowHandle owner) const = 0;
  // The personal documents folder as the user's profile names it, whether it
  // exists or not (its variables expanded); nothing when it names none.
  virtual std::optional<std::string> personalFolderSetting() const = 0;
  // The running program's full file name.
  virtual std::string programPath() const = 0;
  // Adds the program's icon with a tip to the notification area (ignored when it exists).
  virtual void addTrayIcon(WindowHandle window, unsigned id, const std::string& tip) = 0;
  virtual void deleteTrayIcon(WindowHandle window, unsigned id) = 0;
  // Opens a file with its associated program (the verb "open", shown normally); the outcome is not reported.
  virtual void openFile(WindowHandle parent, const std::string& path) = 0;

  // Reserves the strip along the top of the screen for the window, as an
  // application desktop toolbar: maximised windows start below it. Asking
  // again for the same strip changes nothing; another strip moves it.
  virtual void reserveTopStrip(WindowHandle window, const ScreenStrip& strip) = 0;
  // Gives the window's strip back; nothing when it holds none.
  virtual void releaseStrip(WindowHandle window) = 0;
};

// The folder of a program's full file name: up to and including its last
// backslash (C:\ for C:\prog.exe); empty when it has none. The companion files
// (the Options and About programs, the help page, the skins) lie there.
inline std::string executableFolder(const std::string& programFile) {
  const auto slash = programFile.find_last_of('\\');
  return slash == std::string::npos ? std::string() : programFile.substr(0, slash + 1);
}

}  // namespace platform
