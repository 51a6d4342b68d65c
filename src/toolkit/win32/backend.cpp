#include "toolkit/win32/backend.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <cstring>

#include "platform/resource_ids.h"
#include "platform/win32/display.h"
#include "platform/win32/last_error.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"
#include "toolkit/timer.h"
#include "toolkit/win32/disabled_windows.h"
#include "toolkit/win32/form_window.h"
#include "toolkit/win32/window_class.h"

namespace toolkit::win32 {

namespace {

constexpr char applicationClass[] = "TApplication";

toolkit::Rect toRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

Win32Backend::Win32Backend(HINSTANCE instance)
    : instance_(instance),
      measuringDc_(::CreateCompatibleDC(nullptr)) {
  registerClass(applicationClass, routeMessages<Win32Backend>);
  // Zero size at the screen's centre; the caption style gives it its taskbar button.
  applicationWindow_.reset(::CreateWindowExA(0, applicationClass, "",
                                             WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                             ::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2,
                                             0, 0, nullptr, nullptr, instance_, this));
  if (!applicationWindow_) platform::win32::throwLastError("Cannot create the application window");
}

Win32Backend::~Win32Backend() {
  for (toolkit::Timer* t : timers_) ::KillTimer(applicationWindow_.get(), reinterpret_cast<UINT_PTR>(t));
}

void Win32Backend::registerClass(const std::string& name, WNDPROC procedure, UINT style) {
  if (classes_.count(name)) return;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  wc.style = style;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
  wc.hIcon = ::LoadIconA(instance_, MAKEINTRESOURCEA(VELTRANA_ICON));
  wc.lpszClassName = name.c_str();
  // A class stays registered until the process ends: a backend made after
  // another one (as the tests make them) finds the classes it registered,
  // each with the same procedure.
  if (!::RegisterClassExA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    platform::win32::throwLastError("Cannot register the window class " + name);
  classes_.insert(name);
}

LRESULT Win32Backend::onMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      auto* timer = reinterpret_cast<toolkit::Timer*>(wParam);
      if (timers_.count(timer)) timer->tick();
      return 0;
    }
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:  // the work area, among others
      displayChanged();
      return ::DefWindowProcA(window, message, wParam, lParam);
    case WM_CLOSE:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(window, message, wParam, lParam);
  }
}

namespace {

// Besides the change messages, what is known about the display is looked up
// again after this long, should a change ever come without a message. Each
// look costs a few round trips to the wineserver under Wine.
constexpr DWORD displayRecheckMs = 60000;

}  // namespace

bool Win32Backend::loadCommonControls() {
  if (commonControls_) return true;
  platform::win32::SystemLibrary library(L"comctl32.dll");
  const auto initialize = library.function<decltype(::InitCommonControlsEx)>("InitCommonControlsEx");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
  if (!initialize || !initialize(&controls)) {
    platform::win32::traceIgnoredFailure("loading the common controls");
    return false;
  }
  commonControls_ = std::move(library);
  return true;
}

void Win32Backend::displayChanged() { displayChangedAt_ = ::GetTickCount(); }

bool Win32Backend::displayKnownSince(DWORD when) const {
  const DWORD now = ::GetTickCount();
  // Signed differences: tick counts wrap every 49.7 days.
  return static_cast<LONG>(when - displayChangedAt_) > 0 && now - when < displayRecheckMs;
}

// Under Wine every monitor lookup checks the display's settings with the
// wineserver, and the settings pass asks every second.
std::vector<toolkit::Monitor> Win32Backend::monitors() const {
  if (monitors_.empty() || !displayKnownSince(monitorsLookedUpAt_)) {
    monitors_.clear();
    for (const platform::win32::DeskMonitor& m : platform::win32::monitorsOnDesk())
      monitors_.push_back({toRect(m.full), toRect(m.work), m.dpi, m.name});
    monitorsLookedUpAt_ = ::GetTickCount();
  }
  return monitors_;
}

toolkit::Point Win32Backend::cursorPos() const {
  POINT p{};
  ::GetCursorPos(&p);
  return {p.x, p.y};
}

namespace {

// The desktop and the shell's own windows: its desktop, its taskbars.
bool isShellWindow(HWND window) {
  if (window == ::GetDesktopWindow() || window == ::GetShellWindow()) return true;
  char name[32] = {};
  ::GetClassNameA(window, name, sizeof name);
  for (const char* shell : {"Progman", "WorkerW", "Shell_TrayWnd", "Shell_SecondaryTrayWnd", "#32769"})
    if (std::strcmp(name, shell) == 0) return true;
  return false;
}

}  // namespace

std::optional<toolkit::ForegroundWindow> Win32Backend::foregroundWindow() const {
  const HWND window = ::GetForegroundWindow();
  RECT r{};
  if (!window || !::GetWindowRect(window, &r)) return std::nullopt;
  // Made larger or smaller, minimised or maximised, a window moves.
  if (window == foreground_ && ::EqualRect(&r, &foregroundRect_)) return foregroundFound_;
  DWORD process = 0;
  ::GetWindowThreadProcessId(window, &process);
  const LONG style = ::GetWindowLongW(window, GWL_STYLE);
  toolkit::ForegroundWindow found;
  found.handle = reinterpret_cast<std::uintptr_t>(window);
  found.bounds = toRect(r);
  found.shellOrDesktop = isShellWindow(window);
  found.ours = process == ::GetCurrentProcessId();
  found.maximised = (style & WS_MAXIMIZE) && (style & WS_CAPTION) == WS_CAPTION;
  found.minimised = (style & WS_MINIMIZE) != 0;
  foreground_ = window;
  foregroundRect_ = r;
  foregroundFound_ = found;
  return found;
}

void Win32Backend::schedule(toolkit::Timer& timer, std::uint32_t intervalMs) {
  timers_.insert(&timer);
  // The same id replaces a running timer and restarts its countdown.
  if (!::SetTimer(applicationWindow_.get(), reinterpret_cast<UINT_PTR>(&timer), intervalMs, nullptr))
    platform::win32::traceIgnoredFailure("SetTimer");
}

void Win32Backend::cancel(toolkit::Timer& timer) {
  if (timers_.erase(&timer)) ::KillTimer(applicationWindow_.get(), reinterpret_cast<UINT_PTR>(&timer));
}

std::unique_ptr<toolkit::NativeWindow> Win32Backend::createWindow(toolkit::Form& form,
                                                                  const toolkit::WindowOptions& options) {
  return std::make_unique<FormWindow>(*this, form, options);
}

toolkit::Size Win32Backend::textExtent(const toolkit::Font& font, std::string_view text) {
  platform::win32::SelectedObject selected(measuringDc_.get(), fonts_.get(font));
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

void Win32Backend::endProcess(int exitCode) {
  // One line for a debugger, in every build: should the system end the
  // process by force while it ends, this line tells that it had asked to.
  ::OutputDebugStringA(("Veltrana: ending with exit code " + std::to_string(exitCode) + "\n").c_str());
  ::ExitProcess(static_cast<UINT>(exitCode));
}

void Win32Backend::hideApplicationWindow() { ::ShowWindow(applicationWindow_.get(), SW_HIDE); }

void Win32Backend::showError(const std::string& title, const std::string& text) {
  DisabledWindows others(nullptr);
  ::MessageBoxW(applicationWindow_.get(), platform::win32::widen(text).c_str(), platform::win32::widen(title).c_str(),
                MB_OK | MB_ICONERROR);
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

}  // namespace toolkit::win32
