#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <unordered_set>

#include "platform/win32/unique_handle.h"
#include "toolkit/backend.h"
#include "toolkit/win32/font_cache.h"

namespace win32 {

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
  void schedule(toolkit::Timer& timer, std::uint32_t intervalMs) override;
  void cancel(toolkit::Timer& timer) override;
  std::unique_ptr<toolkit::NativeWindow> createWindow(toolkit::Form& form,
                                                      const toolkit::WindowOptions& options) override;
  toolkit::Size textExtent(const toolkit::Font& font, std::string_view text) override;
  bool visualStylesOn() const override;
  void setApplicationTitle(const std::string& title) override;
  void processMessages() override;
  void endProcess(int exitCode) override;
  void showError(const std::string& title, const std::string& text) override;
  void hideApplicationWindow() override;

  // Shows the application window and runs the message loop until the main
  // window closes; returns the exit code.
  int run();

  HINSTANCE instance() const { return instance_; }
  HWND applicationWindow() const { return applicationWindow_.get(); }
  FontCache& fonts() { return fonts_; }
  // Called when the shell announces a new notification area ("TaskbarCreated").
  std::function<void()> onTaskbarCreated;
  UINT taskbarCreatedMessage() const { return taskbarCreated_; }

  // Registers a window class once, with the given window procedure.
  void registerClass(const std::string& name, WNDPROC procedure);

  // The application window's messages: the timers' ticks and closing.
  LRESULT onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  bool takesMessages() const { return true; }
  toolkit::Backend& backend() { return *this; }

 private:

  HINSTANCE instance_;
  UINT taskbarCreated_;
  FontCache fonts_;
  UniqueDc measuringDc_;
  UniqueWindow applicationWindow_;
  std::unordered_set<toolkit::Timer*> timers_;
  std::unordered_set<std::string> classes_;
};

}  // namespace win32
