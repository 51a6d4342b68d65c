#pragma once

#include <windows.h>

#include <cstdio>
#include <exception>

#include "platform/exception_text.h"

namespace platform::win32 {

// A Win32 call whose failure the program deliberately goes on after (a tray
// icon the shell refused, a timer not set): one line for a debugger or
// DebugView in a debug build, so that "the icon is gone" leaves something to
// read; nothing in a release build.
inline void traceIgnoredFailure([[maybe_unused]] const char* call,
                                [[maybe_unused]] unsigned long error = ::GetLastError()) {
#ifndef NDEBUG
  char line[192];
  std::snprintf(line, sizeof line, "Veltrana: %s failed, error %lu\n", call, error);
  ::OutputDebugStringA(line);
#endif
}

// An exception the program deliberately goes on after, traced the same way.
inline void traceIgnoredException([[maybe_unused]] const char* where,
                                  [[maybe_unused]] std::exception_ptr exception = std::current_exception()) {
#ifndef NDEBUG
  char line[256];
  std::snprintf(line, sizeof line, "Veltrana: %s failed: %s\n", where, describeException(exception).c_str());
  ::OutputDebugStringA(line);
#endif
}

}  // namespace platform::win32
