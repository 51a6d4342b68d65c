#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <unordered_set>

#include "platform/win32/system_library.h"
#include "platform/win32/unique_handle.h"
#include "toolkit/backend.h"
#include "toolkit/win32/font_cache.h"
#include "toolkit/win32/surface_pool.h"

namespace toolkit::win32 {

// The toolkit on the Windows API. It owns the application window: a window
// of zero size titled with the application title that owns every form's
// window and carries the program's taskbar button. Timers are window timers
// of the application window.
class Win32Backend : public toolkit::Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  std::vector<toolkit::Monitor> monitors() const override;
  toolkit::Point cursorPos() const override;
  std::optional<toolkit::ForegroundWindow> foregroundWindow() const override;
  void schedule(toolkit::Timer& timer, std::uint32_t intervalMs) override;
  void cancel(toolkit::Timer& timer) override;
  std::unique_ptr<toolkit::NativeWindow> createWindow(toolkit::Form& form,
                                                      const toolkit::WindowOptions& options) override;
  toolkit::Size textExtent(const toolkit::Font& font, std::string_view text) override;
  bool visualStylesOn() const override;
  void setApplicationTitle(const std::string& title) override;
  void endProcess(int exitCode) override;
  void showError(const std::string& title, const std::string& text) override;
  void hideApplicationWindow() override;

  // Shows the application window and runs the message loop until the main
  // window closes; returns the exit code.
  int run();
  // Lets pending window messages run once (for tests and benchmarks, which
  // run no message loop of their own).
  void processMessages();

  HINSTANCE instance() const { return instance_; }
  HWND applicationWindow() const { return applicationWindow_.get(); }
  // Loads the common controls, for the hints' tooltips, at the first need:
  // most sessions never show a hint, and they cost 3 MB of memory under Wine.
  // False when they cannot be had.
  bool loadCommonControls();

  FontCache& fonts() { return fonts_; }
  SurfacePool& surfaces() { return surfaces_; }
  // The display's layout or modes changed: what was looked up about them is
  // looked up again when next asked for.
  void displayChanged();
  // Whether what was looked up about the display at `when` (a tick count) may
  // be used now.
  bool displayKnownSince(DWORD when) const;

  // Messages registered by name (RegisterWindowMessage) that reach the main
  // form's window, for the program's services that listen for one. The
  // shell broadcasts its announcements ("TaskbarCreated") to every top-level
  // window, which would tell them once per form; and what the program asks
  // of the shell for a window (its notification icon, its reserved strip) it
  // asks for the main form's, whose news then comes to that window alone.
  std::function<void(UINT message, WPARAM wParam, LPARAM lParam)> onRegisteredMessage;

  // Registers a window class once, with the given window procedure and class styles.
  void registerClass(const std::string& name, WNDPROC procedure, UINT style = 0);

  // The application window's messages: the timers' ticks, closing, and the
  // changes of the display and of the work area, which come to every
  // top-level window and are taken here once.
  LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool takesMessages() const { return true; }
  toolkit::Backend& backend() { return *this; }

 private:

  HINSTANCE instance_;
  platform::win32::SystemLibrary commonControls_;
  FontCache fonts_;
  SurfacePool surfaces_;
  platform::win32::UniqueDc measuringDc_;
  platform::win32::UniqueWindow applicationWindow_;
  std::unordered_set<toolkit::Timer*> timers_;
  // The monitors, looked up again only after the display changed.
  mutable std::vector<toolkit::Monitor> monitors_;
  mutable DWORD monitorsLookedUpAt_ = 0;
  // The window last found in the foreground, with its rectangle: while both
  // stay, so does what it is. Each look at another program's window is a
  // round trip to the wineserver under Wine, once a second while the bar
  // watches for a full-screen program.
  mutable HWND foreground_ = nullptr;
  mutable RECT foregroundRect_{};
  mutable toolkit::ForegroundWindow foregroundFound_;
  DWORD displayChangedAt_ = 0;
  std::unordered_set<std::string> classes_;
};

}  // namespace toolkit::win32
