#pragma once

#include <windows.h>

#include <string>
#include <system_error>

namespace platform::win32 {

// A call the program cannot go on without (making a window, registering its
// class) that the system refused: an exception that carries the system's
// reason, for the entry point to show.
[[noreturn]] inline void throwLastError(const std::string& what) {
  throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(), what);
}

}  // namespace platform::win32
