#include "toolkit/win32/hint_tip.h"

#include <commctrl.h>

#include "platform/win32/trace.h"
#include "toolkit/win32/backend.h"

namespace toolkit::win32 {

namespace {

constexpr UINT_PTR toolId = 1;
// Window timers of the owner's own window; the toolkit's timers live on the
// application window.
constexpr UINT_PTR showTimer = 1;
constexpr UINT_PTR hideTimer = 2;
constexpr UINT restMs = 500;
constexpr UINT shownMs = 5000;

TTTOOLINFOA toolInfo(HWND owner) {
  TTTOOLINFOA info{};
  info.cbSize = sizeof info;
  info.hwnd = owner;
  info.uId = toolId;
  return info;
}

}  // namespace

HintTip::HintTip(HWND owner, Win32Backend& backend) : owner_(owner), backend_(backend) {}

bool HintTip::makeTooltip() {
  if (tooltip_ || failed_) return !failed_;
  failed_ = true;  // until it is made: a form works on without hints
  if (!backend_.loadCommonControls()) return false;
  tooltip_.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr,
                                   backend_.instance(), nullptr));
  if (!tooltip_) {
    platform::win32::traceIgnoredFailure("creating the hint's tooltip");
    return false;
  }
  TTTOOLINFOA info = toolInfo(owner_);
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  info.lpszText = const_cast<char*>("");
  ::SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  failed_ = false;
  return true;
}

void HintTip::pointerOver(const void* control, const std::string& hint) {
  if (failed_ || (control == control_ && hint == text_)) return;
  control_ = control;
  text_ = hint;
  hide();
  if (!text_.empty()) ::SetTimer(owner_, showTimer, restMs, nullptr);
}

void HintTip::pointerLeft() {
  control_ = nullptr;
  text_.clear();
  hide();
}

bool HintTip::onTimer(UINT_PTR id) {
  if (id == showTimer) show();
  if (id == hideTimer) hide();
  return id == showTimer || id == hideTimer;
}

void HintTip::show() {
  ::KillTimer(owner_, showTimer);
  POINT cursor{};
  if (text_.empty() || !::GetCursorPos(&cursor) || ::WindowFromPoint(cursor) != owner_ || !makeTooltip()) return;
  TTTOOLINFOA info = toolInfo(owner_);
  info.lpszText = const_cast<char*>(text_.c_str());
  ::SendMessageA(tooltip_.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageA(tooltip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x, cursor.y + 20));
  ::SendMessageA(tooltip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
  ::SetTimer(owner_, hideTimer, shownMs, nullptr);
}

void HintTip::hide() {
  ::KillTimer(owner_, showTimer);
  ::KillTimer(owner_, hideTimer);
  if (!tooltip_) return;
  TTTOOLINFOA info = toolInfo(owner_);
  ::SendMessageA(tooltip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

}  // namespace toolkit::win32
