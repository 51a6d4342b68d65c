#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/scenario.h"
#include "toolkit/control.h"

namespace {

struct Geometry {
  const char* name;
  int left, top, width, height;
};

// The bar's components at creation, in creation order.
constexpr std::array<Geometry, 36> creation{{
    {"Shape1", 0, 0, 1280, 26},      {"Image1", 0, 0, 1280, 25},       {"SpeedButton1", 112, 0, 25, 25},
    {"SpeedButton2", 136, 0, 25, 25}, {"Label1", 43, 5, 14, 15},        {"Label2", 58, 4, 3, 15},
    {"Label3", 63, 5, 14, 15},       {"Label4", 84, 5, 28, 15},        {"Label5", 78, 4, 3, 15},
    {"Label6", 972, 4, 4, 15},       {"Label7", 977, 5, 14, 15},       {"Label8", 956, 5, 14, 15},
    {"Label9", 950, 4, 4, 15},       {"Label10", 934, 5, 14, 15},      {"SpeedButton11", 896, 0, 25, 25},
    {"Label11", 776, 6, 16, 15},     {"Label12", 163, 5, 33, 15},      {"Label13", 198, 5, 25, 15},
    {"Label14", 310, 5, 28, 15},     {"TotalPhys", 348, 5, 36, 15},    {"Label15", 397, 5, 48, 15},
    {"Hz", 452, 5, 31, 15},          {"Label16", 571, 6, 29, 15},      {"SpeedButton3", 488, 0, 25, 25},
    {"SpeedButton4", 512, 0, 25, 25}, {"SpeedButton5", 536, 0, 25, 25}, {"Gauge1", 632, 4, 73, 17},
    {"Label17", 604, 6, 20, 15},     {"Label18", 715, 6, 57, 15},      {"RamGauge", 232, 4, 73, 17},
    {"Label19", 854, 7, 24, 15},     {"Image2", 936, 0, 97, 25},       {"Image3", 48, 0, 49, 25},
    {"Image4", 192, 0, 281, 25},     {"Image5", 600, 0, 265, 25},      {"SpeedButton6", 8, 0, 25, 25},
}};

struct Span {
  const char* name;
  int left, width;
};

// Every component after the 1280-wide layout.
constexpr std::array<Span, 36> wideLayout{{
    {"Shape1", 0, 1280},       {"Image1", 0, 1280},       {"SpeedButton6", 8, 25},  {"Label1", 42, 14},
    {"Label2", 57, 3},         {"Label3", 62, 14},        {"Label5", 78, 3},        {"Label4", 83, 28},
    {"SpeedButton1", 112, 25}, {"SpeedButton2", 137, 25}, {"Label12", 167, 33},     {"Label13", 204, 25},
    {"RamGauge", 236, 185},    {"Label14", 424, 28},      {"TotalPhys", 460, 36},   {"Label15", 525, 48},
    {"Hz", 580, 31},           {"SpeedButton3", 616, 25}, {"SpeedButton4", 640, 25}, {"SpeedButton5", 664, 25},
    {"Label16", 699, 29},      {"Label17", 732, 20},      {"Gauge1", 760, 185},     {"Label18", 950, 57},
    {"Label11", 1024, 16},     {"Label19", 1102, 24},     {"SpeedButton11", 1152, 25}, {"Label10", 1206, 14},
    {"Label9", 1222, 4},       {"Label8", 1228, 14},      {"Label6", 1244, 4},      {"Label7", 1248, 14},
    {"Image3", 52, 40},        {"Image4", 204, 380},      {"Image5", 732, 400},     {"Image2", 1200, 80},
}};

toolkit::Control& component(fakes::Scenario& s, const char* name) {
  toolkit::Control* c = s.bar().findControl(name);
  if (!c) throw std::runtime_error(std::string("no component ") + name);
  return *c;
}

void expectCreationGeometryExcept(fakes::Scenario& s, std::initializer_list<Span> changed) {
  for (const Geometry& g : creation) {
    int left = g.left;
    int width = g.width;
    for (const Span& c : changed)
      if (std::string(c.name) == g.name) left = c.left, width = c.width;
    const toolkit::Control& c = component(s, g.name);
    EXPECT_EQ(c.bounds(), toolkit::Rect::fromBounds(left, g.top, width, g.height)) << g.name;
  }
}

TEST(BarComponents, AreCreatedInOrderWithTheirGeometry) {
  fakes::Scenario s(1366, 768);  // an unsupported screen keeps the creation geometry
  s.start();
  const auto& controls = s.bar().controls();
  ASSERT_EQ(controls.size(), creation.size());
  for (std::size_t i = 0; i < creation.size(); ++i) {
    EXPECT_EQ(controls[i]->name(), creation[i].name) << "position " << i;
    EXPECT_EQ(controls[i]->bounds(),
              toolkit::Rect::fromBounds(creation[i].left, creation[i].top, creation[i].width, creation[i].height))
        << creation[i].name;
  }
  EXPECT_FALSE(s.bar().Shape1.visible());
}

class WideModes : public ::testing::TestWithParam<toolkit::Size> {};

TEST_P(WideModes, ShareOneLayoutAndA1280WideBar) {
  fakes::Scenario s(GetParam().width, GetParam().height);
  s.start();
  for (const Span& span : wideLayout) {
    const toolkit::Control& c = component(s, span.name);
    EXPECT_EQ(c.left(), span.left) << span.name;
    EXPECT_EQ(c.width(), span.width) << span.name;
  }
  EXPECT_EQ(s.bar().bounds(), toolkit::Rect::fromBounds(0, 0, 1280, 25));
}

INSTANTIATE_TEST_SUITE_P(Screens, WideModes,
                         ::testing::Values(toolkit::Size{1280, 1024}, toolkit::Size{1280, 960},
                                           toolkit::Size{1280, 800}));

TEST(NarrowMode, IsTheCreationGeometryWithThreeChanges) {
  fakes::Scenario s(1024, 768);
  s.start();
  expectCreationGeometryExcept(s, {{"Shape1", 0, 1024}, {"Image1", 0, 1024}, {"Image2", 944, 97}});
  EXPECT_EQ(s.bar().bounds(), toolkit::Rect::fromBounds(0, 0, 1041, 25))
      << "the work-clock hot zone reaches past the screen's right edge";
  for (toolkit::Image* zone : {&s.bar().Image2, &s.bar().Image3, &s.bar().Image4, &s.bar().Image5})
    zone->setWidth(0);
  EXPECT_EQ(s.bar().bounds(), toolkit::Rect::fromBounds(0, 0, 1024, 25)) << "without hot zones";
}

TEST(UnsupportedScreen, KeepsTheCreationGeometry) {
  fakes::Scenario s(1600, 1200);
  s.start();
  expectCreationGeometryExcept(s, {});
  EXPECT_EQ(s.bar().bounds(), toolkit::Rect::fromBounds(0, 0, 1280, 25));
}

TEST(ScreenLayout, FollowsAModeChangeAndKeepsValuesTheNarrowLayoutDoesNotSet) {
  fakes::Scenario s(1280, 1024);
  s.start();
  s.backend.setScreen(1024, 768);
  s.bar().ApplyScreenLayout();
  EXPECT_EQ(s.bar().Image4.bounds(), toolkit::Rect::fromBounds(204, 0, 281, 25));
  EXPECT_EQ(s.bar().Image5.bounds(), toolkit::Rect::fromBounds(732, 0, 265, 25));
  EXPECT_EQ(s.bar().Label1.left(), 43);
  EXPECT_EQ(s.bar().RamGauge.bounds(), toolkit::Rect::fromBounds(232, 4, 73, 17));
  EXPECT_EQ(s.bar().Image1.width(), 1024);

  s.backend.setScreen(1366, 768);
  s.bar().ApplyScreenLayout();
  EXPECT_EQ(s.bar().Image1.width(), 1024) << "an unsupported mode leaves the last layout";
}

TEST(ScreenLayout, ReapplyingTheSameLayoutChangesNothing) {
  fakes::Scenario s(1280, 1024);
  s.start();
  const auto before = s.bar().counters();
  s.bar().ApplyScreenLayout();
  s.bar().ApplyScreenLayout();
  const auto after = s.bar().counters();
  EXPECT_EQ(after.invalidations, before.invalidations) << "no repaint";
  EXPECT_EQ(after.resizes, before.resizes) << "no resize";
  EXPECT_EQ(after.moves, before.moves);
  EXPECT_TRUE(s.backend.windowOf(s.bar())->invalidated.size() == static_cast<std::size_t>(before.invalidations));
}

TEST(AutoSize, FollowsVisibleComponentsOnly) {
  fakes::Scenario s(1280, 1024);
  s.start();
  auto& bar = s.bar();
  bar.Image1.setVisible(false);
  bar.Shape1.setVisible(true);
  EXPECT_EQ(bar.bounds(), toolkit::Rect::fromBounds(0, 0, 1280, 26)) << "a plain-colour background is 26 high";
  bar.Shape1.setVisible(false);
  bar.Image1.setVisible(true);
  EXPECT_EQ(bar.bounds(), toolkit::Rect::fromBounds(0, 0, 1280, 25));
  EXPECT_EQ(s.backend.windowOf(bar)->bounds, bar.bounds()) << "the native window follows";
}

TEST(Labels, GrowToTheRightKeepingTheirLeftEdgeAndNeighbours) {
  fakes::Scenario s(1280, 1024);
  s.start();
  auto& bar = s.bar();
  const toolkit::Rect hz = bar.Hz.bounds();
  const int narrowWidth = bar.TotalPhys.width();
  bar.TotalPhys.setCaption("24576 MB");
  EXPECT_EQ(bar.TotalPhys.left(), 460);
  EXPECT_GT(bar.TotalPhys.width(), narrowWidth);
  EXPECT_EQ(bar.TotalPhys.top(), 5);
  EXPECT_EQ(bar.Hz.bounds(), hz);
  bar.TotalPhys.setCaption("1");
  EXPECT_LT(bar.TotalPhys.width(), narrowWidth);
  EXPECT_EQ(bar.TotalPhys.left(), 460);
}

}  // namespace
