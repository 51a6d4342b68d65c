#include <gtest/gtest.h>

#include "support/scenario.h"
#include "popups/unsupported_screen_notice.h"
#include "popups/file_error_notice.h"
#include "popups/menu_panel.h"

namespace {

TEST(Startup, ShowsTheBarAtTheTopLeftWithCompanionWindowsHidden) {
  fakes::Scenario s(1280, 1024);
  auto& program = s.start();
  EXPECT_EQ(s.backend.applicationTitle, "Veltrana");
  auto& bar = s.bar();
  EXPECT_EQ(bar.caption(), "Tesvo ");
  EXPECT_NE(bar.caption(), program.application().title()) << "the taskbar-hiding timer must never find the bar";
  EXPECT_TRUE(bar.visible());
  auto* window = s.backend.windowOf(bar);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->visible);
  EXPECT_TRUE(window->options.topmost);
  EXPECT_EQ(window->bounds, toolkit::Rect::fromBounds(0, 0, 1280, 25)) << "left 0, then top 2 snapped to 0";
  for (toolkit::Form* companion : std::initializer_list<toolkit::Form*>{
           &program.unsupportedScreenNotice(), &program.fileErrorNotice(), &program.menuPanel()}) {
    EXPECT_FALSE(companion->visible()) << companion->caption();
    EXPECT_FALSE(s.backend.windowOf(*companion)->visible) << companion->caption();
  }
}

// The work clock, the date, memory, processor load, the taskbar button and
// the reload pass, every second; the return timer waits for a hide.
TEST(Startup, TimersRunAsScheduledWithTheReturnTimerStopped) {
  fakes::Scenario s(1280, 1024);
  s.start();
  EXPECT_EQ(s.backend.scheduledIntervals(), std::vector<std::uint32_t>(6, 1000));
  s.bar().HideAboveScreen();
  EXPECT_EQ(s.backend.scheduledIntervals().back(), 5000u) << "the return timer, as made";
}

TEST(Startup, WorkClockCountsSecondsAndTheDateAppearsAtTheFirstTick) {
  fakes::Scenario s(1280, 1024);
  s.systemInfo.date = {2026, 12, 7};
  s.start();
  EXPECT_EQ(s.date(), "00.00.0000");
  EXPECT_EQ(s.workClock(), "00:00:00");
  s.advanceSeconds(61);
  EXPECT_EQ(s.workClock(), "00:01:01");
  EXPECT_EQ(s.date(), "07.12.2026");
  s.systemInfo.date = {2026, 12, 8};
  s.advanceSeconds(1);
  EXPECT_EQ(s.date(), "08.12.2026");
}

TEST(Startup, UnsupportedScreenStopsTheReadoutsAndShowsTheNoticeASecondLater) {
  fakes::Scenario s(1366, 768);
  auto& program = s.start();
  auto& bar = s.bar();
  EXPECT_EQ(bar.bounds(), toolkit::Rect::fromBounds(0, 0, 1280, 25));
  EXPECT_EQ(s.backend.scheduledIntervals(), std::vector<std::uint32_t>{1000}) << "the notice's timer alone";

  s.advanceMs(999);
  EXPECT_EQ(s.backend.windowOf(program.unsupportedScreenNotice())->modalRuns, 0);
  s.advanceMs(1);
  EXPECT_EQ(s.backend.windowOf(program.unsupportedScreenNotice())->modalRuns, 1);
  EXPECT_EQ(s.backend.scheduledTimers(), 0u) << "every timer stopped";
  s.advanceSeconds(10);
  EXPECT_EQ(s.workClock(), "00:00:00") << "the clock never advances";
  EXPECT_EQ(s.date(), "00.00.0000");
  EXPECT_EQ(s.backend.windowOf(program.unsupportedScreenNotice())->modalRuns, 1) << "shown once";
}

TEST(Startup, NoticesAreCentred) {
  fakes::Scenario s(1280, 1024);
  auto& program = s.start();
  EXPECT_EQ(program.unsupportedScreenNotice().bounds(), toolkit::Rect::fromBounds(471, 443, 337, 137));
  EXPECT_EQ(program.fileErrorNotice().bounds(), toolkit::Rect::fromBounds(515, 439, 249, 146));
  EXPECT_EQ(program.menuPanel().bounds(), toolkit::Rect::fromBounds(5, 27, 177, 185));
}

TEST(Shutdown, DestroyHandlerRunsOnceWhenTheProgramEnds) {
  fakes::Scenario s(1280, 1024);
  auto& program = s.start();
  int destroyed = 0;
  s.bar().onDestroy = [&] { ++destroyed; };
  program.application().terminate(0);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(s.backend.exitCode, 0);
  EXPECT_EQ(s.backend.windowOf(s.bar()), nullptr) << "the bar's window is gone";
  s.program.reset();
  EXPECT_EQ(destroyed, 1);
}

}  // namespace
