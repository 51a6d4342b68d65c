#pragma once

#include <windows.h>

#include <vector>

namespace toolkit::win32 {

// The program's windows other than `except` take no input until the scope
// ends, as under a modal dialog.
class DisabledWindows {
 public:
  explicit DisabledWindows(HWND except);
  ~DisabledWindows();
  DisabledWindows(const DisabledWindows&) = delete;
  DisabledWindows& operator=(const DisabledWindows&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace toolkit::win32
