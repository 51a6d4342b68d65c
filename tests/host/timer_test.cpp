#include <gtest/gtest.h>

#include "support/fake_backend.h"
#include "toolkit/timer.h"

namespace {

struct CountingTimer {
  explicit CountingTimer(fakes::FakeBackend& clock, std::uint32_t interval, bool enabled = true)
      : timer(clock, interval, enabled) {
    timer.onTimer = [this] { ++ticks; };
  }
  toolkit::Timer timer;
  int ticks = 0;
};

TEST(Timer, TicksOncePerIntervalWhileEnabled) {
  fakes::FakeBackend clock;
  CountingTimer t(clock, 1000);
  clock.advance(999);
  EXPECT_EQ(t.ticks, 0);
  clock.advance(1);
  EXPECT_EQ(t.ticks, 1);
  clock.advance(4000);
  EXPECT_EQ(t.ticks, 5);
  t.timer.setEnabled(false);
  clock.advance(5000);
  EXPECT_EQ(t.ticks, 5) << "a stopped timer does not tick";
}

TEST(Timer, SameIntervalOrRepeatedEnableLeavesTheCountdownRunning) {
  fakes::FakeBackend clock;
  CountingTimer t(clock, 5000);
  clock.advance(3000);
  t.timer.setInterval(5000);
  t.timer.setEnabled(true);
  clock.advance(2000);
  EXPECT_EQ(t.ticks, 1) << "neither the same interval nor enabling a running timer restarts it";
}

TEST(Timer, NewIntervalWhileRunningRestartsFromThatMoment) {
  fakes::FakeBackend clock;
  CountingTimer t(clock, 5000);
  clock.advance(3000);
  t.timer.setInterval(10000);
  clock.advance(9999);
  EXPECT_EQ(t.ticks, 0);
  clock.advance(1);
  EXPECT_EQ(t.ticks, 1);
}

TEST(Timer, IntervalZeroNeverTicksAndALaterIntervalStartsIt) {
  fakes::FakeBackend clock;
  CountingTimer t(clock, 1000);
  t.timer.setInterval(0);
  clock.advance(60000);
  EXPECT_EQ(t.ticks, 0);
  EXPECT_TRUE(t.timer.enabled());
  t.timer.setInterval(2000);
  clock.advance(2000);
  EXPECT_EQ(t.ticks, 1);
}

TEST(Timer, StoppedTimerKeepsNewIntervalUntilStarted) {
  fakes::FakeBackend clock;
  CountingTimer t(clock, 5000, false);
  t.timer.setInterval(3000);
  clock.advance(10000);
  EXPECT_EQ(t.ticks, 0);
  t.timer.setEnabled(true);
  clock.advance(3000);
  EXPECT_EQ(t.ticks, 1);
}

TEST(Timer, DestroyedTimerIsForgottenByItsHost) {
  fakes::FakeBackend clock;
  CountingTimer kept(clock, 1000);
  {
    CountingTimer t(clock, 1000);
    EXPECT_TRUE(clock.isScheduled(t.timer));
  }
  EXPECT_EQ(clock.scheduledTimers(), 1u) << "only the timer still alive is scheduled";
  clock.advance(5000);
  EXPECT_EQ(kept.ticks, 5);
}

}  // namespace
