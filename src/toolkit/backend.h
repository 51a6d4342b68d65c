#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>
#include <string_view>

#include "toolkit/color.h"
#include "toolkit/font.h"
#include "toolkit/geometry.h"
#include "toolkit/monitors.h"
#include "toolkit/timer.h"

namespace toolkit {

class Control;
class Form;

struct WindowOptions {
  std::string className;  // the window class, named after the form's class
  std::string caption;
  Color color = colors::silver;
  bool topmost = false;
  bool mainWindow = false;  // closing it ends the message loop
};

// The window in the foreground, as far as the program looks at it.
struct ForegroundWindow {
  std::uintptr_t handle = 0;
  Rect bounds;                  // its window rectangle, frame included
  bool shellOrDesktop = false;  // the desktop, the taskbar or another of the shell's windows
  bool ours = false;            // one of this program's windows
  bool maximised = false;       // maximised with a title bar: a window, however large
  bool minimised = false;
};

// The native window behind a form. It reports paints, mouse input and
// activation back to its form.
class NativeWindow {
 public:
  virtual ~NativeWindow() = default;

  virtual void setBounds(const Rect& screenRect) = 0;
  virtual void show() = 0;  // shows, brings to the front and activates
  virtual void hide() = 0;
  virtual bool isActive() const = 0;
  // Marks the areas (client coordinates) for the next paint, in one request.
  virtual void invalidate(std::span<const Rect> clientAreas) = 0;
  // Paints what is marked, inside this call.
  virtual void updateNow() = 0;
  // Takes the window out of the top-most band and puts it right below
  // another window; or back on top of every ordinary window. Neither moves
  // nor activates it.
  virtual void stepBehind(std::uintptr_t other) = 0;
  virtual void bringToTopmost() = 0;
  // Whether the window lies right below the other one in the window order.
  virtual bool liesRightBelow(std::uintptr_t other) const = 0;
  // Shows the window and runs a modal loop until the form hides it.
  virtual void runModal() = 0;
  // The window as the operating system knows it.
  virtual std::uintptr_t handle() const = 0;
  // The vertical refresh rate, in hertz, of the display the window is on.
  virtual int verticalRefreshRate() const = 0;
};

// The window system as the toolkit, and through it the program, needs it.
class Backend : public TimerHost {
 public:
  // Every monitor, the primary one first.
  virtual std::vector<Monitor> monitors() const = 0;
  // The pointer position in screen coordinates.
  virtual Point cursorPos() const = 0;
  // The window the user works in; nothing when there is none.
  virtual std::optional<ForegroundWindow> foregroundWindow() const = 0;

  virtual std::unique_ptr<NativeWindow> createWindow(Form& form, const WindowOptions& options) = 0;
  virtual Size textExtent(const Font& font, std::string_view text) = 0;
  virtual bool visualStylesOn() const = 0;
  virtual void setApplicationTitle(const std::string& title) = 0;
  // Ends the process at once with the exit code; the forms have been torn down.
  virtual void endProcess(int exitCode) = 0;
  // An error message box owned by the application window, with an OK button;
  // returns when it is closed. Timers keep ticking meanwhile.
  virtual void showError(const std::string& title, const std::string& text) = 0;
  // Hides the application window, and with it the program's taskbar button.
  virtual void hideApplicationWindow() = 0;

  // Where an exception goes that escaped an event handler: the backend
  // catches every one at the window system's door, since none may unwind
  // through it, and the program goes on.
  std::function<void(std::exception_ptr)> onHandlerError;

  // Runs an event handler the window system called; an exception it lets
  // out goes to onHandlerError, and no further.
  template <typename Handler>
  void guarded(Handler&& handler) noexcept {
    try {
      handler();
    } catch (...) {
      reportHandlerError(std::current_exception());
    }
  }

 private:
  void reportHandlerError(std::exception_ptr exception) noexcept;
};

}  // namespace toolkit
