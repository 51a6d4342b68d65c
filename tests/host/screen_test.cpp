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
  return {r, r, veltrana::designDpi, ""};
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
  EXPECT_EQ(veltrana::screenPlanFor(m, false).mode, ScreenMode::wide);
}

// With fitting, logical pixels decide: the made layouts where they were made
// for, a fitted one at the monitor's scale elsewhere, and nothing below
// 1024x600 logical pixels unless the screen is one the bar was made for.
TEST(ScreenPlan, FittingGoesByLogicalPixels) {
  using veltrana::ScreenPlan;
  const auto plan = [](int width, int height, int dpi, bool fit = true) {
    Monitor m = screen(0, 0, width, height);
    m.dpi = dpi;
    return veltrana::screenPlanFor(m, fit);
  };
  EXPECT_EQ(plan(1920, 1080, 96, false), (ScreenPlan{ScreenMode::unsupported, 1, 1920})) << "without fitting";
  EXPECT_EQ(plan(1280, 1024, 144, false), (ScreenPlan{ScreenMode::wide, 1, 1280})) << "pixels, whatever the scaling";
  EXPECT_EQ(plan(1920, 1080, 96), (ScreenPlan{ScreenMode::fitted, 1, 1920}));
  EXPECT_EQ(plan(1280, 1024, 96), (ScreenPlan{ScreenMode::wide, 1, 1280})) << "fitting changes nothing here";
  EXPECT_EQ(plan(1280, 720, 96), (ScreenPlan{ScreenMode::wide, 1, 1280})) << "any 1280-wide screen at 100 %";
  EXPECT_EQ(plan(1024, 600, 96), (ScreenPlan{ScreenMode::narrow, 1, 1024}));
  EXPECT_EQ(plan(1920, 1080, 144), (ScreenPlan{ScreenMode::fitted, 1.5, 1920})) << "1280 logical pixels at 150 %";
  EXPECT_EQ(plan(1280, 800, 120), (ScreenPlan{ScreenMode::fitted, 1.25, 1280}));
  EXPECT_EQ(plan(3840, 2160, 192), (ScreenPlan{ScreenMode::fitted, 2, 3840}));
  EXPECT_EQ(plan(1280, 1024, 144), (ScreenPlan{ScreenMode::wide, 1, 1280}))
      << "853 logical pixels wide: the made layout, unscaled, as without fitting";
  EXPECT_EQ(plan(1366, 768, 120), (ScreenPlan{ScreenMode::fitted, 1.25, 1366})) << "1092x614 logical";
  EXPECT_EQ(plan(800, 600, 96).mode, ScreenMode::unsupported);
  EXPECT_EQ(plan(1600, 900, 168).mode, ScreenMode::unsupported) << "914x514 logical";
  EXPECT_EQ(plan(7680, 4320, 96), (ScreenPlan{ScreenMode::fitted, 1, 7680}));
  EXPECT_EQ(plan(3840, 2160, 600), (ScreenPlan{ScreenMode::fitted, 3, 3840})) << "more than 288 counts as 288";
  EXPECT_EQ(plan(1920, 1080, 20), (ScreenPlan{ScreenMode::fitted, 1, 1920})) << "less than 96 counts as 96";
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
