#include <gtest/gtest.h>

#include <vector>

#include "bar/screen_mode.h"
#include "toolkit/monitors.h"

namespace {

using toolkit::Monitor;
using toolkit::Rect;
using veltrana::ScreenMode;

Monitor screen(int left, int top, int width, int height) {
  const Rect r = Rect::fromBounds(left, top, width, height);
  return {r, r};
}

TEST(ScreenMode, ExactlyFourSizesAreSupported) {
  EXPECT_EQ(veltrana::screenModeOf({1280, 1024}), ScreenMode::wide);
  EXPECT_EQ(veltrana::screenModeOf({1280, 960}), ScreenMode::wide);
  EXPECT_EQ(veltrana::screenModeOf({1280, 800}), ScreenMode::wide);
  EXPECT_EQ(veltrana::screenModeOf({1024, 768}), ScreenMode::narrow);
  for (toolkit::Size other : {toolkit::Size{1366, 768}, {1280, 720}, {1600, 1200}, {768, 1024}, {1024, 1280},
                              {1280, 768}, {0, 0}})
    EXPECT_EQ(veltrana::screenModeOf(other), ScreenMode::unsupported) << other.width << "x" << other.height;
}

TEST(ScreenMode, UsesTheFullRectangleNotTheWorkArea) {
  Monitor m = screen(0, 0, 1280, 1024);
  m.work = Rect{0, 0, 1280, 994};  // a taskbar at the bottom
  const std::vector<Monitor> monitors{m};
  EXPECT_EQ(veltrana::screenModeFor(monitors, Rect::fromBounds(0, 0, 1280, 25)), ScreenMode::wide);
}

TEST(MonitorHolding, LargestSharedAreaElseNearest) {
  const std::vector<Monitor> monitors{screen(0, 0, 1280, 1024), screen(1280, 0, 1024, 768)};
  EXPECT_EQ(toolkit::monitorHolding(monitors, Rect::fromBounds(85, 183, 1280, 25))->full.width(), 1280)
      << "the bar at its creation position lies mostly on the primary monitor";
  EXPECT_EQ(toolkit::monitorHolding(monitors, Rect::fromBounds(1200, 0, 400, 25))->full.left, 1280)
      << "more of it lies on the second monitor";
  EXPECT_EQ(toolkit::monitorHolding(monitors, Rect::fromBounds(0, -25, 1280, 25))->full.left, 0)
      << "a hidden bar lies on no monitor; the nearest is the primary one";
  EXPECT_EQ(toolkit::monitorHolding(monitors, Rect::fromBounds(2400, 900, 10, 10))->full.left, 1280);
  EXPECT_FALSE(toolkit::monitorHolding({}, Rect::fromBounds(0, 0, 1, 1)));
}

TEST(ScreenSnap, PullsNearbyEdgesFlushAndLeavesTheHidePositionAlone) {
  const Rect work{0, 0, 1280, 1024};
  const toolkit::Size bar{1280, 25};
  EXPECT_EQ(toolkit::snapToWorkArea({0, 2}, bar, work, 10), (toolkit::Point{0, 0}));
  EXPECT_EQ(toolkit::snapToWorkArea({0, -25}, bar, work, 10), (toolkit::Point{0, -25}));
  EXPECT_EQ(toolkit::snapToWorkArea({-9, 9}, bar, work, 10), (toolkit::Point{0, 0}));
  EXPECT_EQ(toolkit::snapToWorkArea({0, 10}, bar, work, 10), (toolkit::Point{0, 10}));
  EXPECT_EQ(toolkit::snapToWorkArea({0, 183}, bar, work, 10), (toolkit::Point{0, 183}));
  // Right and bottom edges of the work area, with the window's size.
  EXPECT_EQ(toolkit::snapToWorkArea({500, 992}, {100, 25}, work, 10), (toolkit::Point{500, 999}));
  EXPECT_EQ(toolkit::snapToWorkArea({1175, 300}, {100, 25}, work, 10), (toolkit::Point{1180, 300}));
  // The 1041-wide bar on a 1024-wide screen overhangs by 17: too far to snap.
  EXPECT_EQ(toolkit::snapToWorkArea({0, 2}, {1041, 25}, Rect{0, 0, 1024, 768}, 10), (toolkit::Point{0, 0}));
}

}  // namespace
