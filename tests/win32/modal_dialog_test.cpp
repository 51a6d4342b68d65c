// The companion programs' dialog procedure: an exception out of a handler
// stops there, is shown over the dialog, and the dialog goes on.
#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "dialogs/win32/modal_dialog.h"

namespace {

constexpr int testDialog = 900;  // in test_resources.rc
constexpr UINT_PTR lookTimer = 1;

struct BoxSearch {
  HWND dialog;
  HWND box = nullptr;
};

BOOL CALLBACK findBox(HWND window, LPARAM search) {
  auto& s = *reinterpret_cast<BoxSearch*>(search);
  if (::GetWindow(window, GW_OWNER) != s.dialog || !::IsWindowVisible(window)) return TRUE;
  s.box = window;
  return FALSE;
}

// The box the dialog owns, when one is open.
HWND boxOver(HWND dialog) {
  BoxSearch search{dialog};
  ::EnumThreadWindows(::GetCurrentThreadId(), findBox, reinterpret_cast<LPARAM>(&search));
  return search.box;
}

std::wstring textOf(HWND window) {
  wchar_t text[256] = {};
  ::GetWindowTextW(window, text, 256);
  return text;
}

// The box's title and message (its static control with text).
std::wstring describeBox(HWND box) {
  std::wstring described = textOf(box) + L": ";
  for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
    wchar_t cls[16] = {};
    ::GetClassNameW(child, cls, 16);
    if (std::wstring(cls) == L"Static") described += textOf(child);
  }
  return described;
}

// Fails once as it starts, and again while the box for that is open; then
// answers the box and ends.
class FailingDialog : public veltrana::dialogs::win32::ModalDialog {
 public:
  std::vector<std::wstring> boxes;

 private:
  INT_PTR onMessage(UINT message, WPARAM, LPARAM) override {
    switch (message) {
      case WM_INITDIALOG:
        ::PostMessageW(window(), WM_APP, 0, 0);
        return TRUE;
      case WM_APP:
        ::SetTimer(window(), lookTimer, 50, nullptr);
        throw std::runtime_error("The handler failed");
      case WM_TIMER: {
        const HWND box = boxOver(window());
        if (!box) {
          ::KillTimer(window(), lookTimer);
          ::EndDialog(window(), 42);
          return TRUE;
        }
        const std::wstring seen = describeBox(box);
        if (boxes.empty() || boxes.back() != seen) boxes.push_back(seen);
        if (!failedAgain_) {
          failedAgain_ = true;
          throw std::runtime_error("It failed again under the box");
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        return TRUE;
      }
      default:
        return FALSE;
    }
  }

  bool failedAgain_ = false;
};

TEST(ModalDialog, AnExceptionFromAHandlerIsShownOverTheDialogWhichGoesOn) {
  FailingDialog dialog;
  EXPECT_EQ(dialog.run(::GetModuleHandleW(nullptr), testDialog), 42) << "the dialog ended by its own EndDialog";
  EXPECT_EQ(dialog.boxes, std::vector<std::wstring>{L"Dialog under test: The handler failed"})
      << "one box, titled as the dialog; the failure under it was not shown on top";
}

}  // namespace
