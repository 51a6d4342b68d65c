#pragma once

#include <windows.h>

#include <exception>
#include <string>

namespace platform::win32 {

// An exception that escaped a handler or a program's entry point, shown in a
// box with an error icon and an OK button, owned by `owner` (or by nothing),
// so that the program never ends or goes on without a word.
void showException(HWND owner, const std::string& title, std::exception_ptr exception);

// A program's entry point: runs its body, and an exception that escapes it
// is shown and ends the program with code 1.
template <typename Body>
int runShowingExceptions(const std::string& title, Body body) {
  try {
    return body();
  } catch (...) {
    showException(nullptr, title, std::current_exception());
    return 1;
  }
}

}  // namespace platform::win32
