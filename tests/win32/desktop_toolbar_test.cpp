// The strip the shell reserves for the bar, as another desktop toolbar of the
// same edge sees it: the shell places a toolbar below those registered before it.
#include <gtest/gtest.h>

#include <windows.h>

#include <shellapi.h>

#include "platform/win32/shell.h"
#include "platform/win32/system_library.h"

namespace {

platform::win32::Win32Shell* shellOfTheStrip = nullptr;

// The bar's window passes on what the shell says of its strip.
LRESULT CALLBACK stripWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message >= 0xC000 && shellOfTheStrip) shellOfTheStrip->registeredMessage(message, wParam, lParam);
  return ::DefWindowProcW(window, message, wParam, lParam);
}

struct Window {
  explicit Window(const wchar_t* className)
      : handle(::CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 1280, 25, nullptr, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr)) {}
  ~Window() { ::DestroyWindow(handle); }
  HWND handle;
};

// Another program's toolbar at the top edge. It holds the shell's library
// while it lives, as such a program would: the tests' own program does not
// map it (see shell_libraries_test.cpp).
class OtherToolbar {
 public:
  explicit OtherToolbar(HWND window) : window_(window) {
    APPBARDATA data = record();
    data.uCallbackMessage = WM_APP + 1;
    registered_ = message_ && message_(ABM_NEW, &data) != 0;
  }
  ~OtherToolbar() {
    APPBARDATA data = record();
    if (message_) message_(ABM_REMOVE, &data);
  }
  bool registered() const { return registered_; }
  // The top of the strip the shell would give it.
  LONG offeredTop() {
    APPBARDATA data = record();
    data.uEdge = ABE_TOP;
    data.rc = {0, 0, 1280, 25};
    message_(ABM_QUERYPOS, &data);
    return data.rc.top;
  }
  void takeStrip(LONG top) {
    APPBARDATA data = record();
    data.uEdge = ABE_TOP;
    data.rc = {0, top, 1280, top + 25};
    message_(ABM_SETPOS, &data);
  }

 private:
  APPBARDATA record() const {
    APPBARDATA data{};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    return data;
  }
  platform::win32::SystemLibrary shell_{L"shell32.dll"};
  decltype(::SHAppBarMessage)* message_ = shell_.function<decltype(::SHAppBarMessage)>("SHAppBarMessage");
  HWND window_;
  bool registered_ = false;
};

void deliverPostedMessages(HWND window) {
  MSG msg;
  while (::PeekMessageW(&msg, window, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
}

TEST(DesktopToolbar, KeepsItsPlaceWhenAnotherToolbarMovesAndRegistersAnewAfterTheShellRestarts) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = stripWindowProc;
  windowClass.hInstance = ::GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"DesktopToolbarTest";
  ::RegisterClassW(&windowClass);
  platform::win32::Win32Shell shell;
  shellOfTheStrip = &shell;
  Window bar(windowClass.lpszClassName);
  Window other(windowClass.lpszClassName);
  const auto barHandle = reinterpret_cast<platform::WindowHandle>(bar.handle);
  const platform::ScreenStrip strip{0, 0, 1280, 25};

  shell.reserveTopStrip(barHandle, strip);
  OtherToolbar toolbar(other.handle);
  if (!toolbar.registered()) GTEST_SKIP() << "no shell takes desktop toolbars here";
  ASSERT_EQ(toolbar.offeredTop(), 25) << "below the bar's strip";

  toolbar.takeStrip(25);  // the shell tells the bar that a toolbar moved
  deliverPostedMessages(bar.handle);
  shell.reserveTopStrip(barHandle, strip);
  EXPECT_EQ(toolbar.offeredTop(), 25) << "the bar's strip is still first";

  shell.registeredMessage(::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  shell.reserveTopStrip(barHandle, strip);
  EXPECT_EQ(toolbar.offeredTop(), 0) << "registered anew, after the other toolbar";

  shell.releaseStrip(barHandle);
  shellOfTheStrip = nullptr;
}

}  // namespace
