// The bar's layouts as a user sees them on each screen size. Their numbers
// live in screen_layout.cpp only; these tests hold what any right layout
// keeps: reading order, nothing over a text or button but a hot zone, the
// screen's width, the hot zones over their readouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "support/scenario.h"
#include "toolkit/control.h"
#include "toolkit/speed_button.h"

namespace {

using fakes::component;

using toolkit::Control;
using toolkit::Rect;
using veltrana::TVTR;

struct Screen {
  int width, height;
};
constexpr Screen supportedScreens[] = {{1280, 1024}, {1280, 960}, {1280, 800}, {1024, 768}};

std::string nameOf(Screen s) { return std::to_string(s.width) + "x" + std::to_string(s.height); }

// The texts, gauges and buttons in the order a user reads them, left to right.
std::vector<const Control*> readingOrder(TVTR& b) {
  return {&component<toolkit::SpeedButton>(b, "SpeedButton6"),                                                   // the menu
          &component<toolkit::Label>(b, "Label1"),  &component<toolkit::Label>(b, "Label2"),     &component<toolkit::Label>(b, "Label3"),   &component<toolkit::Label>(b, "Label5"),  &component<toolkit::Label>(b, "Label4"),     // the date
          &component<toolkit::SpeedButton>(b, "SpeedButton1"), &component<toolkit::SpeedButton>(b, "SpeedButton2"),                                  // the CD tray
          &component<toolkit::Label>(b, "Label12"), &component<toolkit::Label>(b, "Label13"),    &component<veltrana::TGauge>(b, "RamGauge"), &component<toolkit::Label>(b, "Label14"), &component<toolkit::Label>(b, "TotalPhys"),  // memory
          &component<toolkit::Label>(b, "Label15"), &component<toolkit::Label>(b, "Hz"),                                                 // refresh rate
          &component<toolkit::SpeedButton>(b, "SpeedButton3"), &component<toolkit::SpeedButton>(b, "SpeedButton4"), &component<toolkit::SpeedButton>(b, "SpeedButton5"),                 // restart, shut down, log off
          &component<toolkit::Label>(b, "Label16"), &component<toolkit::Label>(b, "Label17"),    &component<veltrana::TGauge>(b, "Gauge1"),   &component<toolkit::Label>(b, "Label18"), &component<toolkit::Label>(b, "Label11"), &component<toolkit::Label>(b, "Label19"),  // processor
          &component<toolkit::SpeedButton>(b, "SpeedButton11"),                                                  // keyboard layout
          &component<toolkit::Label>(b, "Label10"), &component<toolkit::Label>(b, "Label9"),     &component<toolkit::Label>(b, "Label8"),   &component<toolkit::Label>(b, "Label6"),  &component<toolkit::Label>(b, "Label7")};    // the work clock
}

// Each hot zone and the readouts it lies over (the group captions "RAM:" and
// "CPU:" are left out of theirs).
std::vector<std::pair<const Control*, std::vector<const Control*>>> hotZoneReadouts(TVTR& b) {
  return {{&component<toolkit::Image>(b, "Image3"), {&component<toolkit::Label>(b, "Label1"), &component<toolkit::Label>(b, "Label2"), &component<toolkit::Label>(b, "Label3"), &component<toolkit::Label>(b, "Label5"), &component<toolkit::Label>(b, "Label4")}},
          {&component<toolkit::Image>(b, "Image4"), {&component<toolkit::Label>(b, "Label13"), &component<veltrana::TGauge>(b, "RamGauge"), &component<toolkit::Label>(b, "Label14"), &component<toolkit::Label>(b, "TotalPhys"), &component<toolkit::Label>(b, "Label15"), &component<toolkit::Label>(b, "Hz")}},
          {&component<toolkit::Image>(b, "Image5"), {&component<toolkit::Label>(b, "Label17"), &component<veltrana::TGauge>(b, "Gauge1"), &component<toolkit::Label>(b, "Label18"), &component<toolkit::Label>(b, "Label11"), &component<toolkit::Label>(b, "Label19")}},
          {&component<toolkit::Image>(b, "Image2"), {&component<toolkit::Label>(b, "Label10"), &component<toolkit::Label>(b, "Label9"), &component<toolkit::Label>(b, "Label8"), &component<toolkit::Label>(b, "Label6"), &component<toolkit::Label>(b, "Label7")}}};
}

// The program on the screen a second after its start: readings and settings are in.
struct RunningBar : fakes::Scenario {
  RunningBar(Screen screen, const char* settings) : Scenario(screen.width, screen.height) {
    writeSettings(settings);
    start();
    advanceSeconds(1);
  }
};

using Geometry = std::map<std::string, Rect>;
Geometry geometryOf(TVTR& bar) {
  Geometry g;
  for (const Control* c : bar.controls()) g[c->name()] = c->bounds();
  return g;
}

// The components whose rectangles differ.
std::vector<std::string> differences(const Geometry& a, const Geometry& b) {
  std::vector<std::string> names;
  for (const auto& [name, rect] : a)
    if (b.at(name) != rect) names.push_back(name);
  return names;
}

bool isButton(const Control* c) { return dynamic_cast<const toolkit::SpeedButton*>(c) != nullptr; }

TEST(BarLayout, ReadsLeftToRightWithNothingButAHotZoneOverATextOrButton) {
  for (const Screen screen : supportedScreens) {
    SCOPED_TRACE(nameOf(screen));
    RunningBar s(screen, fakes::defaultSettings);
    TVTR& bar = s.bar();
    const auto order = readingOrder(bar);
    const std::array<const Control*, 4> zones{&component(bar, "Image2"), &component(bar, "Image3"),
                                              &component(bar, "Image4"), &component(bar, "Image5")};
    ASSERT_EQ(order.size() + 6, bar.controls().size()) << "all but the two backgrounds and four hot zones";
    EXPECT_EQ(component<veltrana::TGauge>(bar, "RamGauge").width(), component<veltrana::TGauge>(bar, "Gauge1").width()) << "the two gauges alike";
    for (std::size_t i = 0; i < order.size(); ++i) {
      const Control& c = *order[i];
      EXPECT_TRUE(c.visible()) << c.name();
      EXPECT_EQ(c.bounds().intersect({0, 0, screen.width, 25}), c.bounds()) << c.name() << " within the bar";
      if (i > 0) {
        EXPECT_LT(order[i - 1]->left(), c.left()) << order[i - 1]->name() << " before " << c.name();
      }
      for (std::size_t j = i + 1; j < order.size(); ++j) {
        const Rect shared = c.bounds().intersect(order[j]->bounds());
        if (shared.empty()) continue;
        // On the 1024 screen a total memory of four digits or more runs
        // into "Monitor:": the layout was made for smaller memories.
        if (screen.width == 1024 && &c == &component<toolkit::Label>(bar, "TotalPhys") && order[j] == &component<toolkit::Label>(bar, "Label15")) continue;
        EXPECT_TRUE(isButton(&c) && isButton(order[j]) && shared.width() == 1)
            << c.name() << " overlaps " << order[j]->name() << "; only neighbouring buttons share their border";
      }
      const Control* top = bar.controlAt({c.left() + c.width() / 2, c.top() + c.height() / 2});
      EXPECT_TRUE(top == &c || std::find(zones.begin(), zones.end(), top) != zones.end())
          << c.name() << " lies under " << (top ? top->name() : "nothing");
    }
  }
}

TEST(BarLayout, IsAsWideAsTheScreenAnd25HighOr26WithAPlainColour) {
  for (const Screen screen : supportedScreens) {
    SCOPED_TRACE(nameOf(screen));
    RunningBar s(screen, fakes::staySettings);
    EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, screen.width, 25));
    EXPECT_EQ(component<toolkit::Image>(s.bar(), "Image1").bounds(), Rect::fromBounds(0, 0, screen.width, 25)) << "the skin";
    s.setLine(3, "255");
    s.advanceSeconds(1);
    EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, screen.width, 26));
    EXPECT_EQ(component<toolkit::Shape>(s.bar(), "Shape1").bounds(), Rect::fromBounds(0, 0, screen.width, 26)) << "the plain colour";
    EXPECT_EQ(s.backend.windowOf(s.bar())->bounds, s.bar().bounds()) << "the window follows";
  }
  RunningBar narrow({1024, 768}, fakes::defaultSettings);
  EXPECT_EQ(narrow.bar().bounds(), Rect::fromBounds(0, 0, 1041, 25))
      << "in move mode the work-clock hot zone reaches past the 1024 screen's right edge";
}

TEST(BarLayout, HotZonesLieOverTheReadoutsTheyAreForAndOverNoButton) {
  for (const Screen screen : supportedScreens) {
    SCOPED_TRACE(nameOf(screen));
    RunningBar s(screen, fakes::defaultSettings);
    TVTR& bar = s.bar();
    for (const auto& [zone, readouts] : hotZoneReadouts(bar)) {
      for (const Control* readout : readouts) {
        const Rect under = zone->bounds().intersect(readout->bounds());
        ASSERT_FALSE(under.empty()) << zone->name() << " misses " << readout->name();
        EXPECT_EQ(bar.controlAt({under.left, under.top}), zone) << readout->name() << " lies over its zone";
      }
      for (const Control* c : readingOrder(bar)) {
        if (!isButton(c)) continue;
        EXPECT_TRUE(zone->bounds().intersect(c->bounds()).empty()) << zone->name() << " over " << c->name();
      }
    }
  }
}

TEST(BarLayout, The1280WideScreensShareOneLayout) {
  RunningBar tall({1280, 1024}, fakes::defaultSettings);
  for (const Screen screen : {Screen{1280, 960}, Screen{1280, 800}}) {
    RunningBar other(screen, fakes::defaultSettings);
    EXPECT_EQ(differences(geometryOf(tall.bar()), geometryOf(other.bar())), std::vector<std::string>{})
        << nameOf(screen);
  }
}

// The bar is made for the 1024 screen; its layout there changes only the
// backgrounds' width and the work-clock hot zone. An unsupported screen keeps
// the bar as it was made.
TEST(BarLayout, The1024LayoutIsTheBarAsMadeButForTheBackgroundsAndTheClockZone) {
  fakes::Scenario asMade(1366, 768), narrow(1024, 768);
  asMade.start();
  narrow.start();
  EXPECT_EQ(differences(geometryOf(asMade.bar()), geometryOf(narrow.bar())),
            (std::vector<std::string>{"Image1", "Image2", "Shape1"}));
  EXPECT_EQ(component<toolkit::Image>(narrow.bar(), "Image1").width(), 1024);
  EXPECT_EQ(component<toolkit::Shape>(narrow.bar(), "Shape1").width(), 1024);
  EXPECT_EQ(asMade.bar().bounds(), Rect::fromBounds(0, 0, 1280, 25));
}

TEST(ScreenLayout, AModeChangeKeepsWhatTheNewLayoutLeavesAlone) {
  fakes::Scenario switched(1280, 1024), narrow(1024, 768);
  switched.start();
  narrow.start();
  const Geometry wide = geometryOf(switched.bar());
  switched.backend.setScreen(1024, 768);
  switched.bar().Timer8Timer();
  const Geometry after = geometryOf(switched.bar());
  EXPECT_EQ(differences(after, geometryOf(narrow.bar())), (std::vector<std::string>{"Image4", "Image5"}))
      << "the 1024 layout sets no left edge for these hot zones";
  for (const char* zone : {"Image4", "Image5"}) {
    EXPECT_EQ(after.at(zone).left, wide.at(zone).left) << zone;
    EXPECT_EQ(after.at(zone).width(), geometryOf(narrow.bar()).at(zone).width()) << zone;
  }

  switched.backend.setScreen(1366, 768);
  switched.bar().Timer8Timer();
  EXPECT_EQ(differences(geometryOf(switched.bar()), after), std::vector<std::string>{})
      << "an unsupported mode leaves the last layout";
}

TEST(ScreenLayout, ReapplyingTheSameLayoutChangesNothing) {
  fakes::Scenario s(1280, 1024);
  s.start();
  s.bar().Timer8Timer();
  const auto before = s.bar().counters();
  s.bar().Timer8Timer();
  s.bar().Timer8Timer();
  const auto after = s.bar().counters();
  EXPECT_EQ(after.invalidations, before.invalidations) << "no repaint";
  EXPECT_EQ(after.resizes, before.resizes) << "no resize";
  EXPECT_EQ(after.moves, before.moves);
  EXPECT_TRUE(s.backend.windowOf(s.bar())->invalidated.size() == static_cast<std::size_t>(before.invalidations));
}

TEST(Labels, GrowToTheRightKeepingTheirLeftEdgeAndNeighbours) {
  fakes::Scenario s(1280, 1024);
  s.start();
  auto& bar = s.bar();
  const Rect hz = component<toolkit::Label>(bar, "Hz").bounds();
  const Rect narrow = component<toolkit::Label>(bar, "TotalPhys").bounds();
  component<toolkit::Label>(bar, "TotalPhys").setCaption("24576 MB");
  EXPECT_EQ(component<toolkit::Label>(bar, "TotalPhys").left(), narrow.left);
  EXPECT_EQ(component<toolkit::Label>(bar, "TotalPhys").top(), narrow.top);
  EXPECT_GT(component<toolkit::Label>(bar, "TotalPhys").width(), narrow.width());
  EXPECT_EQ(component<toolkit::Label>(bar, "Hz").bounds(), hz);
  component<toolkit::Label>(bar, "TotalPhys").setCaption("1");
  EXPECT_LT(component<toolkit::Label>(bar, "TotalPhys").width(), narrow.width());
  EXPECT_EQ(component<toolkit::Label>(bar, "TotalPhys").left(), narrow.left);
}

}  // namespace
