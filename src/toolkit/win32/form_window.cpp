#include "toolkit/win32/form_window.h"

#include <windowsx.h>

#include "platform/win32/last_error.h"
#include "platform/win32/trace.h"
#include "toolkit/control.h"
#include "toolkit/win32/backend.h"
#include "toolkit/win32/canvas.h"
#include "toolkit/win32/disabled_windows.h"
#include "toolkit/win32/window_class.h"

namespace toolkit::win32 {

namespace {

toolkit::Key keyOf(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_TAB: return (::GetKeyState(VK_SHIFT) & 0x8000) ? toolkit::Key::backTab : toolkit::Key::tab;
    case VK_RETURN: return toolkit::Key::enter;
    case VK_SPACE: return toolkit::Key::space;
    default: return toolkit::Key::other;
  }
}

toolkit::Point pointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

FormWindow::FormWindow(Win32Backend& backend, toolkit::Form& form, const toolkit::WindowOptions& options)
    : backend_(backend), form_(form), mainWindow_(options.mainWindow) {
  backend_.registerClass(options.className, routeMessages<FormWindow>);
  const DWORD exStyle = options.topmost ? WS_EX_TOPMOST : 0;
  const toolkit::Rect& r = form.bounds();
  window_.reset(::CreateWindowExA(exStyle, options.className.c_str(), options.caption.c_str(),
                                  WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, r.left, r.top, r.width(), r.height(),
                                  backend_.applicationWindow(), nullptr, backend_.instance(), this));
  if (!window_) platform::win32::throwLastError("Cannot create the window " + options.className);
  hint_.emplace(window_.get(), backend_);
}

FormWindow::~FormWindow() {
  destroying_ = true;
  hint_.reset();
  window_.reset();
}

toolkit::Backend& FormWindow::backend() { return backend_; }

LRESULT FormWindow::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;  // the paint covers every pixel
    case WM_PAINT:
      paint();
      return 0;
    case WM_TIMER:
      hint_->onTimer(wParam);
      return 0;
    case WM_LBUTTONDOWN:
      hint_->hide();
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
      hint_->pointerLeft();
      form_.mouseLeave();
      return 0;
    case WM_KEYDOWN:
      form_.keyDown(keyOf(wParam));
      return 0;
    case WM_ACTIVATE:
      // The default handling would give an activated window the keyboard
      // focus; handled here, the focus is given by hand (unless minimized).
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) ::SetFocus(window);
      form_.activationChanged(LOWORD(wParam) != WA_INACTIVE);
      return 0;
    // Sent to each window whose monitor changed its scaling, which need not
    // be the application window's; a change of the display's modes comes to
    // every top-level window, and the application window takes it.
    case WM_DPICHANGED:
      backend_.displayChanged();
      return 0;
    case WM_MOVE:
      refreshRate_ = 0;  // perhaps onto another display
      return 0;
    case WM_CLOSE:
      if (mainWindow_)
        ::PostQuitMessage(0);
      else
        form_.hide();
      return 0;
    default:
      // Messages registered by name are numbered from 0xC000 on; the main
      // window alone passes them on (see Win32Backend::onRegisteredMessage).
      if (mainWindow_ && message >= 0xC000 && backend_.onRegisteredMessage)
        backend_.onRegisteredMessage(message, wParam, lParam);
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

void FormWindow::paint() {
  platform::win32::PaintScope scope(window_.get());
  const RECT& area = scope.area();
  const int width = area.right - area.left;
  const int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;
  // Composed off-screen and copied once, so nothing flickers.
  const SurfacePool::Lease memory = backend_.surfaces().acquire({width, height});
  if (!memory.dc()) return;
  {
    Win32Canvas canvas(memory.dc(), backend_.fonts(), backend_.surfaces());
    const toolkit::Rect update{area.left, area.top, area.right, area.bottom};
    canvas.enter({-area.left, -area.top}, toolkit::Rect{0, 0, width, height});
    // The paint's clip is the region to paint, of which the area is only the
    // bounding rectangle: a control outside the region is left out, and the
    // copy below never shows the part of the memory picture it left as it was.
    const HDC screen = scope.dc();
    form_.paint(canvas, update, [screen](const toolkit::Rect& r) {
      const RECT rect = toRECT(r);
      return ::RectVisible(screen, &rect) != FALSE;
    });
  }
  ::BitBlt(scope.dc(), area.left, area.top, width, height, memory.dc(), 0, 0, SRCCOPY);
}

void FormWindow::mouseMoved(toolkit::Point p) {
  if (!tracking_) {
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window_.get(), 0};
    tracking_ = ::TrackMouseEvent(&track) != FALSE;
  }
  const toolkit::Control* control = form_.controlAt(p);
  hint_->pointerOver(control, control ? control->hint() : std::string());
  form_.mouseMove(p);
}

void FormWindow::setBounds(const toolkit::Rect& r) {
  ::SetWindowPos(window_.get(), nullptr, r.left, r.top, r.width(), r.height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormWindow::show() {
  ::ShowWindow(window_.get(), SW_SHOW);
  ::SetForegroundWindow(window_.get());
}

void FormWindow::hide() { ::ShowWindow(window_.get(), SW_HIDE); }

namespace {
constexpr UINT inPlace = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE;
}

// Placed after an ordinary window, a top-most window leaves the top-most band
// in the same step. In two steps (out of the band, then below the other
// window) it would not stay below under Wine without a window manager: the
// first step raises it on the X server, and Wine restacks from what the X
// server says. The system keeps an owned window above its owner, so the
// application window, which owns every form, goes below the other window
// first: once lifted above it (under Wine, hiding it in the program's first
// second can), it would hold the form above as well.
void FormWindow::stepBehind(std::uintptr_t other) {
  const HWND below = reinterpret_cast<HWND>(other);
  if (!::SetWindowPos(backend_.applicationWindow(), below, 0, 0, 0, 0, inPlace))
    platform::win32::traceIgnoredFailure("SetWindowPos of the application window behind a full-screen window");
  if (!::SetWindowPos(window_.get(), below, 0, 0, 0, 0, inPlace))
    platform::win32::traceIgnoredFailure("SetWindowPos behind a full-screen window");
}

void FormWindow::bringToTopmost() {
  if (!::SetWindowPos(window_.get(), HWND_TOPMOST, 0, 0, 0, 0, inPlace))
    platform::win32::traceIgnoredFailure("SetWindowPos back on top");
}

bool FormWindow::liesRightBelow(std::uintptr_t other) const {
  return ::GetWindow(window_.get(), GW_HWNDPREV) == reinterpret_cast<HWND>(other);
}

// The window's own device context: with several monitors, the display it is on.
int FormWindow::verticalRefreshRate() const {
  if (refreshRate_ == 0 || !backend_.displayKnownSince(refreshRateLookedUpAt_)) {
    platform::win32::WindowDc dc(window_.get());
    refreshRate_ = dc.get() ? ::GetDeviceCaps(dc.get(), VREFRESH) : 0;
    refreshRateLookedUpAt_ = ::GetTickCount();
  }
  return refreshRate_;
}

bool FormWindow::isActive() const { return ::GetActiveWindow() == window_.get(); }

// Several areas go as one region: one request to the window system (a
// round trip to the wineserver under Wine) however many there are.
void FormWindow::invalidate(std::span<const toolkit::Rect> areas) {
  if (areas.size() == 1) {
    const RECT rect = toRECT(areas.front());
    ::InvalidateRect(window_.get(), &rect, FALSE);
    return;
  }
  platform::win32::UniqueRegion region(::CreateRectRgn(0, 0, 0, 0));
  for (const toolkit::Rect& area : areas) {
    const platform::win32::UniqueRegion part(::CreateRectRgn(area.left, area.top, area.right, area.bottom));
    if (!region || !part || ::CombineRgn(region.get(), region.get(), part.get(), RGN_OR) == ERROR) {
      // Without regions, each area on its own: more requests, the same paint.
      for (const toolkit::Rect& each : areas) invalidate(std::span<const toolkit::Rect>(&each, 1));
      return;
    }
  }
  ::InvalidateRgn(window_.get(), region.get(), FALSE);
}

void FormWindow::updateNow() { ::UpdateWindow(window_.get()); }

void FormWindow::runModal() {
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

}  // namespace toolkit::win32
