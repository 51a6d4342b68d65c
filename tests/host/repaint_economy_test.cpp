#include <gtest/gtest.h>

#include "support/scenario.h"

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

}  // namespace
