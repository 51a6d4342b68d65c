#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace win32 {

// A form's hints: the hint of the control under the pointer, shown after a
// short rest in a tooltip beside the pointer and taken away after a while.
// The hint is shown by hand rather than by the tooltip control's own
// tracking of the mouse: the bar's thread is busy for half of every second
// (the frequency probe), and the tooltip control gives up on a tool whose
// messages come late.
class HintTip {
 public:
  HintTip(HWND owner, HINSTANCE instance);

  // The pointer is over `control` (any identity) whose hint is `hint`.
  void pointerOver(const void* control, const std::string& hint);
  void pointerLeft();
  void hide();
  // The owner's WM_TIMER; true when the timer was one of the hint's.
  bool onTimer(UINT_PTR id);

 private:
  void show();

  HWND owner_;
  UniqueWindow tooltip_;
  const void* control_ = nullptr;
  std::string text_;
};

}  // namespace win32
