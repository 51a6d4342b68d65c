#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace toolkit::win32 {

// A form's hints: the hint of the control under the pointer, shown after a
// short rest in a tooltip beside the pointer and taken away after a while.
// The hint is shown by hand rather than by the tooltip control's own
// tracking of the mouse: the bar's thread is busy for half of every second
// (the frequency probe), and the tooltip control gives up on a tool whose
// messages come late.
class Win32Backend;

class HintTip {
 public:
  HintTip(HWND owner, Win32Backend& backend);

  // The pointer is over `control` (any identity) whose hint is `hint`.
  void pointerOver(const void* control, const std::string& hint);
  void pointerLeft();
  void hide();
  // The owner's WM_TIMER; true when the timer was one of the hint's.
  bool onTimer(UINT_PTR id);

 private:
  void show();
  // The tooltip control, made when the first hint is shown.
  bool makeTooltip();

  HWND owner_;
  Win32Backend& backend_;
  bool failed_ = false;
  platform::win32::UniqueWindow tooltip_;
  const void* control_ = nullptr;
  std::string text_;
};

}  // namespace toolkit::win32
