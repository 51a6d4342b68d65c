#include <gtest/gtest.h>

#include <windows.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "toolkit/error_reports.h"
#include "toolkit/timer.h"
#include "toolkit/win32/backend.h"

namespace {

// Lets window messages run until `done` or a deadline of a few seconds.
template <typename Done>
bool pumpUntil(win32::Win32Backend& backend, Done done) {
  const DWORD deadline = ::GetTickCount() + 5000;
  while (!done()) {
    if (static_cast<LONG>(::GetTickCount() - deadline) > 0) return false;
    backend.processMessages();
    ::Sleep(5);
  }
  return true;
}

TEST(Win32Backend, ListsThePrimaryMonitorFirstWithItsFullRectangle) {
  win32::Win32Backend backend(::GetModuleHandleW(nullptr));
  const auto monitors = backend.monitors();
  ASSERT_FALSE(monitors.empty());
  const toolkit::Rect& primary = monitors.front().full;
  EXPECT_EQ(primary, toolkit::Rect::fromBounds(0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)));
  const toolkit::Rect& work = monitors.front().work;
  EXPECT_TRUE(work.intersect(primary) == work) << "the work area lies within the monitor";
}

TEST(Win32Backend, AnExceptionFromATimerHandlerStopsAtTheWindowProcedure) {
  win32::Win32Backend backend(::GetModuleHandleW(nullptr));
  std::vector<std::string> errors;
  backend.onHandlerError = [&](std::exception_ptr e) { errors.push_back(toolkit::describeException(e)); };
  toolkit::Timer failing(backend, 10);
  failing.onTimer = [] { throw std::runtime_error("tick failed"); };
  int ticks = 0;
  toolkit::Timer counting(backend, 10);
  counting.onTimer = [&] { ++ticks; };
  ASSERT_TRUE(pumpUntil(backend, [&] { return errors.size() >= 3 && ticks >= 3; }))
      << errors.size() << " errors, " << ticks << " ticks";
  EXPECT_EQ(errors.front(), "tick failed");
}

}  // namespace
