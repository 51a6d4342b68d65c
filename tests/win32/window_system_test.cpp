#include <gtest/gtest.h>

#include <windows.h>

#include "platform/win32/window_system.h"

namespace {

TEST(WindowSystem, ListsThePrimaryMonitorFirstWithItsFullRectangle) {
  win32::Win32WindowSystem windowSystem;
  const auto monitors = windowSystem.monitors();
  ASSERT_FALSE(monitors.empty());
  const toolkit::Rect& primary = monitors.front().full;
  EXPECT_EQ(primary.left, 0);
  EXPECT_EQ(primary.top, 0);
  EXPECT_EQ(primary.width(), ::GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(primary.height(), ::GetSystemMetrics(SM_CYSCREEN));
  const toolkit::Rect& work = monitors.front().work;
  EXPECT_TRUE(work.intersect(primary) == work) << "the work area lies within the monitor";
}

}  // namespace
