#include "toolkit/win32/native_window.h"

#include <commctrl.h>
#include <windowsx.h>

#include <vector>

#include "toolkit/control.h"
#include "toolkit/win32/backend.h"
#include "toolkit/win32/canvas.h"

namespace win32 {

namespace {

constexpr UINT_PTR tooltipId = 1;
// Window timers of the form's own window for its hints; the toolkit's timers
// live on the application window.
constexpr UINT_PTR hintShowTimer = 1;
constexpr UINT_PTR hintHideTimer = 2;
constexpr UINT hintDelayMs = 500;
constexpr UINT hintShownMs = 5000;

toolkit::Key keyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB: return (::GetKeyState(VK_SHIFT) & 0x8000) ? toolkit::Key::backTab : toolkit::Key::tab;
    case VK_RETURN: return toolkit::Key::enter;
    case VK_SPACE: return toolkit::Key::space;
    default: return toolkit::Key::other;
  }
}

toolkit::Point pointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

TTTOOLINFOA toolInfo(HWND owner) {
  TTTOOLINFOA info{};
  info.cbSize = sizeof info;
  info.hwnd = owner;
  info.uId = tooltipId;
  return info;
}

BOOL CALLBACK collectEnabledWindows(HWND window, LPARAM list) {
  if (::IsWindowVisible(window) && ::IsWindowEnabled(window))
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

}  // namespace

Win32Window::Win32Window(Win32Backend& backend, toolkit::Form& form, const toolkit::WindowOptions& options)
    : backend_(backend), form_(form), mainWindow_(options.mainWindow) {
  backend_.registerClass(options.className, router);
  const DWORD exStyle = options.topmost ? WS_EX_TOPMOST : 0;
  const toolkit::Rect& r = form.bounds();
  window_.reset(::CreateWindowExA(exStyle, options.className.c_str(), options.caption.c_str(),
                                  WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left, r.top, r.width(), r.height(),
                                  backend_.applicationWindow(), nullptr, backend_.instance(), this));
  createTooltip();
}

Win32Window::~Win32Window() {
  destroying_ = true;
  tooltip_.reset();
  window_.reset();
}

LRESULT CALLBACK Win32Window::router(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (!self || self->destroying_ || message == WM_NCCREATE || message == WM_NCDESTROY)
    return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  self->backend_.guarded([&] { result = self->onMessage(window, message, wParam, lParam); });
  return result;
}

LRESULT Win32Window::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      paint();
      return 0;
    case WM_TIMER:
      if (wParam == hintShowTimer) showHint();
      if (wParam == hintHideTimer) hideHint();
      return 0;
    case WM_LBUTTONDOWN:
      hideHint();
      ::SetCapture(window);
      form_.mouseDown(pointOf(lParam));
      return 0;
    case WM_LBUTTONUP:
      if (::GetCapture() == window) ::ReleaseCapture();
      form_.mouseUp(pointOf(lParam));
      return 0;
    case WM_MOUSEMOVE:
      mouseMoved(pointOf(lParam));
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      tipControl_ = nullptr;
      tipText_.clear();
      hideHint();
      form_.mouseLeave();
      return 0;
    case WM_KEYDOWN:
      form_.keyDown(keyOf(wParam));
      return 0;
    case WM_ACTIVATE:
      form_.activationChanged(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    case WM_CLOSE:
      if (mainWindow_)
        ::PostQuitMessage(0);
      else
        form_.hide();
      return 0;
    default:
      if (message == backend_.taskbarCreatedMessage() && backend_.onTaskbarCreated) backend_.onTaskbarCreated();
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

void Win32Window::paint() {
  PaintScope scope(window_.get());
  const RECT& area = scope.area();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  // Composed off-screen and copied once, so nothing flickers.
  UniqueDc memory(::CreateCompatibleDC(scope.dc()));
  UniqueBitmap bitmap(::CreateCompatibleBitmap(scope.dc(), width, height));
  if (!memory || !bitmap) return;
  {
    SelectedObject selected(memory.get(), bitmap.get());
    {
      Win32Canvas canvas(memory.get(), backend_.fonts());
      const toolkit::Rect update{area.left, area.top, area.right, area.bottom};
      canvas.enter({-area.left, -area.top}, toolkit::Rect{0, 0, width, height});
      form_.paint(canvas, update);
    }
    ::BitBlt(scope.dc(), area.left, area.top, width, height, memory.get(), 0, 0, SRCCOPY);
  }
}

void Win32Window::mouseMoved(toolkit::Point p) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_.get(), 0};
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
  }
  updateTooltip(p);
  form_.mouseMove(p);
}

void Win32Window::createTooltip() {
  tooltip_.reset(::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_.get(), nullptr,
                                   backend_.instance(), nullptr));
  if (!tooltip_) return;
  TTTOOLINFOA info = toolInfo(window_.get());
  info.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  info.lpszText = const_cast<char*>("");
  ::SendMessageA(tooltip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

// Hints are shown by hand rather than by the tooltip's own tracking of the
// mouse: the bar's thread is busy for half of every second (the frequency
// probe), and the tooltip control gives up on a tool whose messages come late.
void Win32Window::updateTooltip(toolkit::Point p) {
  if (!tooltip_) return;
  const toolkit::Control* control = form_.controlAt(p);
  const std::string hint = control ? control->hint() : std::string();
  if (control == tipControl_ && hint == tipText_) return;
  tipControl_ = control;
  tipText_ = hint;
  hideHint();
  if (!tipText_.empty()) ::SetTimer(window_.get(), hintShowTimer, hintDelayMs, nullptr);
}

void Win32Window::showHint() {
  ::KillTimer(window_.get(), hintShowTimer);
  POINT cursor{};
  if (tipText_.empty() || !::GetCursorPos(&cursor) || ::WindowFromPoint(cursor) != window_.get()) return;
  TTTOOLINFOA info = toolInfo(window_.get());
  info.lpszText = const_cast<char*>(tipText_.c_str());
  ::SendMessageA(tooltip_.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
  ::SendMessageA(tooltip_.get(), TTM_TRACKPOSITION, 0, MAKELPARAM(cursor.x, cursor.y + 20));
  ::SendMessageA(tooltip_.get(), TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&info));
  ::SetTimer(window_.get(), hintHideTimer, hintShownMs, nullptr);
}

void Win32Window::hideHint() {
  ::KillTimer(window_.get(), hintShowTimer);
  ::KillTimer(window_.get(), hintHideTimer);
  if (!tooltip_) return;
  TTTOOLINFOA info = toolInfo(window_.get());
  ::SendMessageA(tooltip_.get(), TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&info));
}

void Win32Window::setBounds(const toolkit::Rect& r) {
  ::SetWindowPos(window_.get(), nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::show() {
  ::ShowWindow(window_.get(), SW_SHOW);
  ::SetForegroundWindow(window_.get());
}

void Win32Window::hide() { ::ShowWindow(window_.get(), SW_HIDE); }

bool Win32Window::isActive() const { return ::GetActiveWindow() == window_.get(); }

void Win32Window::invalidate(const toolkit::Rect& r) {
  const RECT rect = toRECT(r);
  ::InvalidateRect(window_.get(), &rect, FALSE);
}

void Win32Window::paintNow(const toolkit::Rect& r) {
  WindowDc dc(window_.get());
  if (!dc.get()) return;
  Win32Canvas canvas(dc.get(), backend_.fonts());
  canvas.enter({0, 0}, r);
  form_.paintControls(canvas, r);
}

DisabledWindows::DisabledWindows(HWND except) {
  ::EnumThreadWindows(::GetCurrentThreadId(), collectEnabledWindows, reinterpret_cast<LPARAM>(&disabled_));
  std::erase(disabled_, except);
  for (HWND w : disabled_) ::EnableWindow(w, FALSE);
}

DisabledWindows::~DisabledWindows() {
  for (HWND w : disabled_)
    if (::IsWindow(w)) ::EnableWindow(w, TRUE);
}

void Win32Window::runModal() {
  DisabledWindows others(window_.get());
  show();
  MSG msg;
  while (form_.visible()) {
    const BOOL result = ::GetMessageA(&msg, nullptr, 0, 0);
    if (result == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (result < 0) break;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  hide();
}

}  // namespace win32
