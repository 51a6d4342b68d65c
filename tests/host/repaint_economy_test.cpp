#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/recording_canvas.h"
#include "support/scenario.h"
#include "widgets/gauge.h"

namespace {

using fakes::component;

using fakes::Scenario;

// A running bar whose readings do not change: only the work clock moves.
struct SteadyBar : Scenario {
  SteadyBar(const char* settings, int width, int height) : Scenario(width, height) {
    writeSettings(settings);
    start();
    advanceSeconds(3);  // first readings and the skin are in place
  }
  std::vector<toolkit::Rect>& invalidated() { return backend.windowOf(bar())->invalidated; }
};

class SteadySecond : public ::testing::TestWithParam<std::tuple<const char*, int, int>> {};

TEST_P(SteadySecond, RepaintsOnlyTheSecondsOfTheWorkClock) {
  const auto [settings, width, height] = GetParam();
  SteadyBar s(settings, width, height);
  const auto before = s.bar().counters();
  s.invalidated().clear();
  const int reads = s.files.fullReads;
  const int writes = s.registry.writes;
  const int lookups = s.shell.personalLookups;
  s.advanceSeconds(1);
  const auto after = s.bar().counters();
  ASSERT_EQ(s.invalidated().size(), 1u) << "one invalidation a second";
  EXPECT_EQ(s.invalidated()[0], component<toolkit::Label>(s.bar(), "Label7").bounds()) << "the seconds label, nothing else";
  EXPECT_EQ(after.resizes, before.resizes) << "no resize, though the hot zones come and go within a pass";
  EXPECT_EQ(after.moves, before.moves);
  EXPECT_EQ(s.files.fullReads, reads) << "no skin reload";
  EXPECT_EQ(s.registry.writes, writes) << "no registry write";
  EXPECT_EQ(s.shell.personalLookups, lookups) << "the documents folder found before serves";
}

INSTANTIATE_TEST_SUITE_P(MoveModeAndScreens, SteadySecond,
                         ::testing::Values(std::make_tuple(fakes::defaultSettings, 1280, 1024),
                                           std::make_tuple(fakes::staySettings, 1280, 1024),
                                           std::make_tuple(fakes::staySettings, 1024, 768),
                                           std::make_tuple(fakes::defaultSettings, 1024, 768)));

TEST(RepaintEconomy, AMinuteRolloverRepaintsTheTwoLabelsThatChanged) {
  SteadyBar s(fakes::defaultSettings, 1280, 1024);
  s.advanceSeconds(56);  // 00:00:59
  ASSERT_EQ(s.workClock(), "00:00:59");
  s.invalidated().clear();
  s.advanceSeconds(1);
  EXPECT_EQ(s.workClock(), "00:01:00");
  EXPECT_EQ(s.invalidated(), (std::vector<toolkit::Rect>{component<toolkit::Label>(s.bar(), "Label8").bounds(), component<toolkit::Label>(s.bar(), "Label7").bounds()}));
}

// A bar whose every readout changes every second: the load, the free memory,
// the frequency, once the date and the refresh rate. What the screen shows of
// the work clock is noted at each paint cycle.
struct BusyBar : Scenario {
  explicit BusyBar(const std::string& interval) {
    writeSettings(interval + "\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
    start();
    advanceSeconds(3);  // first readings and the skin are in place
    window().onPaint = [this](const std::vector<toolkit::Rect>& region) {
      if (fakes::touches(region, seconds().bounds())) shownSeconds.push_back(workClock());
    };
  }
  fakes::FakeWindow& window() { return *backend.windowOf(bar()); }
  toolkit::Label& seconds() { return component<toolkit::Label>(bar(), "Label7"); }
  // One second more, every reading different from the last.
  void nextSecond(int t) {
    systemInfo.pass(1000, 300 + 37 * (t % 40));
    systemInfo.memory.availablePhysical = (std::uint64_t{24} << 30) / 100 * (5 + t % 60);
    systemInfo.cyclesPerHalfSecond = 1'496'000'000 + 1'234 * static_cast<std::uint64_t>(t);
    if (t == 20) systemInfo.date = {2007, 3, 10};
    if (t == 40) backend.refreshRate = 75;
    advanceSeconds(1);
  }
  // The work clock from its start, hh:mm:ss, for each second of the run.
  static std::vector<std::string> clockFrom(int first, int count) {
    std::vector<std::string> values;
    for (int t = first; t < first + count; ++t) {
      char text[16];
      std::snprintf(text, sizeof text, "%02d:%02d:%02d", t / 3600, t / 60 % 60, t % 60);
      values.push_back(text);
    }
    return values;
  }
  std::vector<std::string> shownSeconds;
};

// Each paint cycle costs the window system far more than what it draws.
TEST(RepaintEconomy, AMinuteOfChangingReadoutsPaintsOnceASecond) {
  BusyBar s("1");
  auto& load = component<veltrana::TGauge>(s.bar(), "Gauge1");
  auto& frequency = component<toolkit::Label>(s.bar(), "Label11");
  for (int t = 0; t < 60; ++t) {
    const auto paints = s.window().paints.size();
    const int invalidations = s.window().invalidations;
    const int loadBefore = load.Progress();
    const std::string frequencyBefore = frequency.caption();
    s.nextSecond(t);
    ASSERT_NE(load.Progress(), loadBefore) << "the readouts changed in second " << t;
    ASSERT_NE(frequency.caption(), frequencyBefore);
    EXPECT_EQ(s.window().paints.size(), paints + 1) << "one paint cycle in second " << t;
    EXPECT_EQ(s.window().invalidations, invalidations + 1) << "one request to repaint in second " << t;
  }
  EXPECT_EQ(s.window().updatesNow, 0);
  EXPECT_EQ(s.shownSeconds, BusyBar::clockFrom(4, 60)) << "every second of the clock shown once, in turn";

  // The paint draws what its region touches, not everything between the
  // date and the clock.
  const std::vector<toolkit::Rect>& region = s.window().paints.back();
  fakes::RecordingCanvas screen;
  toolkit::Rect bounds;
  for (const toolkit::Rect& area : region) bounds = bounds.unite(area);
  s.bar().paint(screen, bounds, [&region](const toolkit::Rect& r) { return fakes::touches(region, r); });
  for (const char* changed : {"Label7", "Gauge1", "RamGauge", "Label11"}) {
    const auto& c = component(s.bar(), changed);
    EXPECT_FALSE(screen.madeAt({c.left(), c.top()}).empty()) << changed << " painted";
  }
  for (const char* steady : {"SpeedButton3", "SpeedButton4", "Label16", "Label18"}) {
    const auto& c = component(s.bar(), steady);
    EXPECT_TRUE(fakes::touches({bounds}, c.bounds())) << steady << " lies within the paint's bounds";
    EXPECT_TRUE(screen.madeAt({c.left(), c.top()}).empty()) << steady << " left alone";
  }
}

// The clock's second is shown in each second, whatever the readouts' interval.
TEST(RepaintEconomy, AtAnotherUpdateIntervalTheClockPaintsOnItsOwnTick) {
  for (const auto& [interval, paints] : {std::pair{"2", 90u}, std::pair{"0", 60u}}) {
    SCOPED_TRACE(std::string("line 1 ") + interval);
    BusyBar s(interval);
    const auto before = s.window().paints.size();
    for (int t = 0; t < 60; ++t) s.nextSecond(t);
    EXPECT_EQ(s.shownSeconds, BusyBar::clockFrom(4, 60));
    EXPECT_EQ(s.window().paints.size() - before, paints) << "the readouts' seconds paint once more";
    EXPECT_EQ(s.window().updatesNow, 0);
  }
}

}  // namespace
