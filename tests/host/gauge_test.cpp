#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_canvas.h"
#include "support/scenario.h"
#include "widgets/gauge.h"

namespace {

using fakes::component;

using veltrana::gaugeFillExtent;
using veltrana::gaugeTextOrigin;

TEST(GaugeArithmetic, FillExtentIsTheTruncatedShareOfTheWidthMeasure) {
  for (int w : {72, 184}) {
    for (int p = 0; p <= 100; ++p) EXPECT_EQ(gaugeFillExtent(p, w), w * p / 100) << "w " << w << ", " << p << " %";
  }
  // Spot values of the 73 and 185 pixel gauges.
  EXPECT_EQ(gaugeFillExtent(2, 72), 1);
  EXPECT_EQ(gaugeFillExtent(3, 72), 2);
  EXPECT_EQ(gaugeFillExtent(1, 184), 1);
  EXPECT_EQ(gaugeFillExtent(99, 184), 182);
  EXPECT_EQ(gaugeFillExtent(150, 72), 72) << "never beyond the width measure";
}

TEST(GaugeArithmetic, TextIsCentredByTruncatingDivision) {
  const toolkit::Rect inner{1, 1, 72, 16};
  EXPECT_EQ(gaugeTextOrigin(inner, {26, 15}), (toolkit::Point{23, 0}));
  EXPECT_EQ(gaugeTextOrigin(inner, {75, 19}), (toolkit::Point{-1, -1})) << "-3 div 2 is -1";
  EXPECT_EQ(gaugeTextOrigin({1, 1, 184, 16}, {33, 15}), (toolkit::Point{75, 0}));
}

struct GaugeFixture : ::testing::Test {
  GaugeFixture() { scenario.start(); }
  veltrana::TGauge& gauge() { return component<veltrana::TGauge>(scenario.bar(), "Gauge1"); }
  // How often the gauge's rectangle was marked for repainting.
  std::size_t repaints() {
    const auto& marked = scenario.backend.windowOf(scenario.bar())->invalidated;
    return static_cast<std::size_t>(std::count(marked.begin(), marked.end(), gauge().bounds()));
  }
  fakes::Scenario scenario;
};

TEST_F(GaugeFixture, ClampsToItsRange) {
  gauge().setProgress(-1);
  EXPECT_EQ(gauge().Progress(), 0);
  EXPECT_EQ(gauge().Percentage(), 0);
  gauge().setProgress(150);
  EXPECT_EQ(gauge().Progress(), 100);
  EXPECT_EQ(gauge().Percentage(), 100);
}

TEST_F(GaugeFixture, RepaintsOnlyWhenWhatItShowsChanges) {
  const std::size_t before = repaints();
  gauge().setProgress(57);
  EXPECT_EQ(repaints(), before + 1) << "its own rectangle marked for the next paint";
  gauge().setProgress(57);
  EXPECT_EQ(repaints(), before + 1) << "the same value paints nothing";
  gauge().setProgress(-5);
  gauge().setProgress(-1);
  EXPECT_EQ(repaints(), before + 2) << "-5 and -1 both show 0 %";
  gauge().setForeColor(gauge().ForeColor());
  EXPECT_EQ(repaints(), before + 2) << "the same colour paints nothing";
  gauge().setForeColor(toolkit::colors::red);
  EXPECT_EQ(repaints(), before + 3);
}

// The gauge covers its rectangle with one copy of its finished picture,
// whatever was painted beneath it.
TEST_F(GaugeFixture, ItsPaintIsOneCopyOfItsPicture) {
  scenario.advanceSeconds(1);  // the skin is shown
  gauge().setProgress(57);
  fakes::RecordingCanvas screen;
  scenario.bar().paint(screen, gauge().bounds());
  const auto drawn = screen.madeAt({gauge().left(), gauge().top()});
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].kind, fakes::Drawing::Kind::combine);
  EXPECT_EQ(drawn[0].onCanvas(), gauge().bounds());
}

}  // namespace
