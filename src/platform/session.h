#pragma once

namespace platform {

// The user's session: ending it, and the keyboard layout.
class Session {
 public:
  virtual ~Session() = default;
  // Enables the shutdown privilege of the running process; the outcome is not reported.
  virtual void enableShutdownPrivilege() = 0;
  // Asks the system to end the session with the exit flags; true when it accepted.
  virtual bool exitWindows(unsigned mode) = 0;
  // Switches to the next installed keyboard layout.
  virtual void activateNextKeyboardLayout() = 0;
};

}  // namespace platform
