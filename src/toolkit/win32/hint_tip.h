#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/unique_handle.h"

namespace toolkit::win32 {

class Win32Backend;

// The hints of one form's window. Half a second after the pointer comes
// onto a control with a hint, if it is still over the window then, the hint
// shows in a tooltip 20 pixels below the pointer; it goes after five
// seconds, at a click, or when the pointer moves onto another control or
// leaves the window. The form's window times and places the tooltip rather
// than leaving it to the tooltip control's own tracking of the mouse: the
// bar's thread is busy for half of every second (the frequency probe), and
// the tooltip control gives up on a tool whose messages come late. The
// tooltip, and with it the common controls, is made at the first hint shown.
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
