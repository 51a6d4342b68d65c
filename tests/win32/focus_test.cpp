#include <gtest/gtest.h>

#include <windows.h>

#include "toolkit/application.h"
#include "toolkit/bit_button.h"
#include "toolkit/form.h"
#include "toolkit/win32/backend.h"

namespace {

const toolkit::Font font{"MS Sans Serif", 11, false, toolkit::Charset::defaultSet, toolkit::colors::windowText};

void pump(toolkit::win32::Win32Backend& backend) {
  for (int i = 0; i < 20; ++i) {
    backend.processMessages();
    ::Sleep(5);
  }
}

// Keys reach a form only through the window with the keyboard focus: an
// activated form must have it, whoever activated it.
TEST(Focus, AnActivatedFormTakesTheKeyboardFocusAndItsKeys) {
  toolkit::win32::Win32Backend backend(::GetModuleHandleA(nullptr));
  toolkit::Application application(backend);
  toolkit::FormOptions options;
  options.className = "FocusTestForm";
  options.bounds = toolkit::Rect::fromBounds(100, 100, 100, 60);
  toolkit::Form form(application, options);
  toolkit::BitButton first(form, "first", toolkit::Rect::fromBounds(0, 0, 100, 30), "First", font);
  toolkit::BitButton second(form, "second", toolkit::Rect::fromBounds(0, 30, 100, 30), "Second", font);
  int secondClicks = 0;
  second.onClick = [&] { ++secondClicks; };
  form.finishLoading();
  form.setFocus(first);
  form.show();
  pump(backend);
  const auto window = reinterpret_cast<HWND>(form.nativeHandle());

  ::SetFocus(nullptr);
  ::SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
  EXPECT_EQ(::GetFocus(), window);

  INPUT keys[4]{};
  for (INPUT& key : keys) key.type = INPUT_KEYBOARD;
  keys[0].ki.wVk = keys[1].ki.wVk = VK_TAB;
  keys[2].ki.wVk = keys[3].ki.wVk = VK_RETURN;
  keys[1].ki.dwFlags = keys[3].ki.dwFlags = KEYEVENTF_KEYUP;
  ASSERT_EQ(::SendInput(4, keys, sizeof(INPUT)), 4u);
  pump(backend);
  EXPECT_EQ(form.focusedControl(), &second) << "Tab moved the focus";
  EXPECT_EQ(secondClicks, 1) << "Enter clicked the focused button";
}

}  // namespace
