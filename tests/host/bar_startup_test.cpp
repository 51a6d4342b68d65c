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

TEST(Startup, TimersRunAsScheduledWithTheReturnTimerStopped) {
  fakes::Scenario s(1280, 1024);
  s.start();
  auto& bar = s.bar();
  for (toolkit::Timer* t : {&bar.Timer1, &bar.Timer2, &bar.Timer4, &bar.Timer5, &bar.Timer6, &bar.Timer8}) {
    EXPECT_TRUE(t->enabled());
    EXPECT_EQ(t->interval(), 1000u);
  }
  EXPECT_FALSE(bar.Timer3.enabled());
  EXPECT_EQ(bar.Timer3.interval(), 5000u);
  EXPECT_FALSE(bar.Timer12.enabled());
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
  for (toolkit::Timer* t : {&bar.Timer1, &bar.Timer2, &bar.Timer3, &bar.Timer4, &bar.Timer5, &bar.Timer6,
                            &bar.Timer8})
    EXPECT_FALSE(t->enabled());
  EXPECT_TRUE(bar.Timer12.enabled());

  s.advanceMs(999);
  EXPECT_EQ(s.backend.windowOf(program.unsupportedScreenNotice())->modalRuns, 0);
  s.advanceMs(1);
  EXPECT_EQ(s.backend.windowOf(program.unsupportedScreenNotice())->modalRuns, 1);
  EXPECT_FALSE(bar.Timer12.enabled());
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
