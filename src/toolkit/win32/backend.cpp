#include "toolkit/win32/backend.h"

#include <uxtheme.h>

#include "platform/win32/text.h"
#include "toolkit/timer.h"
#include "toolkit/win32/native_window.h"

namespace win32 {

namespace {
constexpr char applicationClass[] = "TApplication";
}

Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance),
      taskbarCreated_(::RegisterWindowMessageA("TaskbarCreated")),
      measuringDc_(::CreateCompatibleDC(nullptr)) {
  registerClass(applicationClass, applicationProc);
  // Zero size at the screen's centre; the caption style gives it its taskbar button.
  applicationWindow_.reset(::CreateWindowExA(0, applicationClass, "",
                                             WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                             ::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2,
                                             0, 0, nullptr, nullptr, instance_, this));
}

Win32Backend::~Win32Backend() {
  for (toolkit::Timer* t : timers_) ::KillTimer(applicationWindow_.get(), reinterpret_cast<UINT_PTR>(t));
}

void Win32Backend::registerClass(const std::string& name, WNDPROC procedure) {
  if (!classes_.insert(name).second) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hIcon = ::LoadIconA(instance_, MAKEINTRESOURCEA(1));
  wc.lpszClassName = name.c_str();
  ::RegisterClassExA(&wc);
}

LRESULT CALLBACK Win32Backend::applicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Backend*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Backend*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
  if (message == WM_NCDESTROY) ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
  if (!self || message == WM_NCCREATE || message == WM_NCDESTROY)
    return ::DefWindowProcA(window, message, wParam, lParam);
  LRESULT result = 0;
  self->guarded([&] { result = self->onMessage(message, wParam, lParam); });
  return result;
}

LRESULT Win32Backend::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      auto* timer = reinterpret_cast<toolkit::Timer*>(wParam);
      if (timers_.count(timer)) timer->tick();
      return 0;
    }
    case WM_CLOSE:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(applicationWindow_.get(), message, wParam, lParam);
  }
}

void Win32Backend::schedule(toolkit::Timer& timer, std::uint32_t intervalMs) {
  timers_.insert(&timer);
  // The same id replaces a running timer and restarts its countdown.
  ::SetTimer(applicationWindow_.get(), reinterpret_cast<UINT_PTR>(&timer), intervalMs, nullptr);
}

void Win32Backend::cancel(toolkit::Timer& timer) {
  if (timers_.erase(&timer)) ::KillTimer(applicationWindow_.get(), reinterpret_cast<UINT_PTR>(&timer));
}

std::unique_ptr<toolkit::NativeWindow> Win32Backend::createWindow(toolkit::Form& form,
                                                                  const toolkit::WindowOptions& options) {
  return std::make_unique<Win32Window>(*this, form, options);
}

toolkit::Size Win32Backend::textExtent(const toolkit::Font& font, std::string_view text) {
  SelectedObject selected(measuringDc_.get(), fonts_.get(font));
  SIZE size{};
  ::GetTextExtentPoint32A(measuringDc_.get(), text.data(), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

bool Win32Backend::visualStylesOn() const { return ::IsAppThemed() && ::IsThemeActive(); }

void Win32Backend::setApplicationTitle(const std::string& title) {
  ::SetWindowTextA(applicationWindow_.get(), title.c_str());
}

void Win32Backend::processMessages() {
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
}

void Win32Backend::endProcess(int exitCode) { ::ExitProcess(static_cast<UINT>(exitCode)); }

void Win32Backend::hideApplicationWindow() { ::ShowWindow(applicationWindow_.get(), SW_HIDE); }

void Win32Backend::showError(const std::string& title, const std::string& text) {
  DisabledWindows others(nullptr);
  ::MessageBoxW(applicationWindow_.get(), widen(text).c_str(), widen(title).c_str(), MB_OK | MB_ICONERROR);
}

int Win32Backend::run() {
  ::ShowWindow(applicationWindow_.get(), SW_SHOWNOACTIVATE);
  MSG msg;
  BOOL result;
  while ((result = ::GetMessageA(&msg, nullptr, 0, 0)) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return result == 0 ? static_cast<int>(msg.wParam) : 1;
}

}  // namespace win32
