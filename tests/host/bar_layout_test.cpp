// The bar's layouts as a user sees them on each screen size. Their numbers
// live in screen_layout.cpp only; these tests hold what any right layout
// keeps: reading order, nothing over a text or button but a hot zone, the
// screen's width, the hot zones over their readouts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
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

// The texts, gauges and buttons in the order a user reads them, left to right:
// the menu, the date, the CD tray, memory and refresh rate, restart, shut
// down and log off, the processor, the keyboard layout and the work clock.
constexpr const char* readingOrderNames[] = {
    "SpeedButton6", "Label1",  "Label2",       "Label3",       "Label5",       "Label4",  "SpeedButton1",
    "SpeedButton2", "Label12", "Label13",      "RamGauge",     "Label14",      "TotalPhys", "Label15",
    "Hz",           "SpeedButton3", "SpeedButton4", "SpeedButton5", "Label16", "Label17", "Gauge1",
    "Label18",      "Label11", "Label19",      "SpeedButton11", "Label10",     "Label9",  "Label8",
    "Label6",       "Label7"};

std::vector<const Control*> readingOrder(const TVTR& bar) {
  std::vector<const Control*> order;
  for (const char* name : readingOrderNames) order.push_back(&component(bar, name));
  return order;
}

// Each hot zone and the readouts it lies over (the group captions "RAM:" and
// "CPU:" are left out of theirs).
std::vector<std::pair<const Control*, std::vector<const Control*>>> hotZoneReadouts(const TVTR& b) {
  const auto parts = [&](std::initializer_list<const char*> names) {
    std::vector<const Control*> list;
    for (const char* name : names) list.push_back(&component(b, name));
    return list;
  };
  return {{&component(b, "Image3"), parts({"Label1", "Label2", "Label3", "Label5", "Label4"})},
          {&component(b, "Image4"), parts({"Label13", "RamGauge", "Label14", "TotalPhys", "Label15", "Hz"})},
          {&component(b, "Image5"), parts({"Label17", "Gauge1", "Label18", "Label11", "Label19"})},
          {&component(b, "Image2"), parts({"Label10", "Label9", "Label8", "Label6", "Label7"})}};
}

bool isButton(const Control* c) { return dynamic_cast<const toolkit::SpeedButton*>(c) != nullptr; }

// What any right layout keeps on a screen `width` wide: every component in
// reading order and within the bar, nothing but a hot zone over a text or
// button, the gauges alike. `mayOverlap` names pairs the layout lets touch.
// Returns the first thing wrong, or nothing.
std::string layoutFault(const TVTR& bar, int width,
                        const std::function<bool(const Control&, const Control&, const Rect&)>& mayOverlap) {
  const auto order = readingOrder(bar);
  const Rect strip = Rect::fromBounds(0, 0, width, bar.bounds().height());
  if (order.size() + 6 != bar.controls().size()) return "a component left out of the reading order";
  if (component(bar, "RamGauge").width() != component(bar, "Gauge1").width()) return "the gauges differ";
  for (std::size_t i = 0; i < order.size(); ++i) {
    const Control& c = *order[i];
    if (!c.visible()) return c.name() + " hidden";
    if (c.bounds().intersect(strip) != c.bounds()) return c.name() + " outside the bar";
    if (i > 0 && order[i - 1]->left() >= c.left()) return order[i - 1]->name() + " not before " + c.name();
    for (std::size_t j = i + 1; j < order.size(); ++j) {
      const Rect shared = c.bounds().intersect(order[j]->bounds());
      if (!shared.empty() && !mayOverlap(c, *order[j], shared)) return c.name() + " overlaps " + order[j]->name();
    }
    const Control* top = bar.controlAt({c.left() + c.width() / 2, c.top() + c.height() / 2});
    if (top != &c && top->name().rfind("Image", 0) != 0) return c.name() + " lies under " + top->name();
  }
  return {};
}

// Every readout under its hot zone, and no hot zone over a button.
std::string hotZoneFault(const TVTR& bar) {
  for (const auto& [zone, readouts] : hotZoneReadouts(bar)) {
    for (const Control* readout : readouts) {
      const Rect under = zone->bounds().intersect(readout->bounds());
      if (under.empty()) return zone->name() + " misses " + readout->name();
      if (bar.controlAt({under.left, under.top}) != zone) return readout->name() + " lies over its zone";
    }
    for (const Control* c : readingOrder(bar))
      if (isButton(c) && !zone->bounds().intersect(c->bounds()).empty()) return zone->name() + " over " + c->name();
  }
  return {};
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


TEST(BarLayout, ReadsLeftToRightWithNothingButAHotZoneOverATextOrButton) {
  for (const Screen screen : supportedScreens) {
    RunningBar s(screen, fakes::defaultSettings);
    const TVTR& bar = s.bar();
    // Neighbouring buttons share their border; on the 1024 screen a total
    // memory of four digits or more runs into "Monitor:": the layout was made
    // for smaller memories.
    const auto allowed = [&](const Control& a, const Control& b, const Rect& shared) {
      if (isButton(&a) && isButton(&b)) return shared.width() == 1;
      return screen.width == 1024 && a.name() == "TotalPhys" && b.name() == "Label15";
    };
    EXPECT_EQ(layoutFault(bar, screen.width, allowed), "") << nameOf(screen);
  }
}

TEST(BarLayout, IsAsWideAsTheScreenAnd25HighWithASkinOrAPlainColour) {
  for (const Screen screen : supportedScreens) {
    SCOPED_TRACE(nameOf(screen));
    RunningBar s(screen, fakes::staySettings);
    EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, screen.width, 25));
    EXPECT_EQ(component<toolkit::Image>(s.bar(), "Image1").bounds(), Rect::fromBounds(0, 0, screen.width, 25)) << "the skin";
    s.setLine(3, "255");
    s.advanceSeconds(1);
    EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, screen.width, 25));
    EXPECT_EQ(component<toolkit::Shape>(s.bar(), "Shape1").bounds(), Rect::fromBounds(0, 0, screen.width, 25)) << "the plain colour";
    s.bar().HideAboveScreen();
    EXPECT_EQ(s.bar().bounds().bottom, 0) << "hidden whole";
    s.advanceSeconds(5);
    EXPECT_EQ(s.backend.windowOf(s.bar())->bounds, s.bar().bounds()) << "the window follows";
  }
  RunningBar narrow({1024, 768}, fakes::defaultSettings);
  EXPECT_EQ(narrow.bar().bounds(), Rect::fromBounds(0, 0, 1041, 25))
      << "in move mode the work-clock hot zone reaches past the 1024 screen's right edge";
}

TEST(BarLayout, HotZonesLieOverTheReadoutsTheyAreForAndOverNoButton) {
  for (const Screen screen : supportedScreens) {
    RunningBar s(screen, fakes::defaultSettings);
    EXPECT_EQ(hotZoneFault(s.bar()), "") << nameOf(screen);
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
  EXPECT_EQ(s.backend.windowOf(s.bar())->invalidations, before.invalidations);
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

namespace {

constexpr char fitSettings[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\nFit\r\n";
constexpr int scalings[] = {96, 120, 144, 168, 192, 240, 288};  // 100 % to 300 %

TEST(FittedLayout, ChangesNothingOnTheScreensTheBarWasMadeFor) {
  for (const Screen screen : supportedScreens) {
    RunningBar made(screen, fakes::defaultSettings), fitted(screen, fitSettings);
    EXPECT_EQ(differences(geometryOf(made.bar()), geometryOf(fitted.bar())), std::vector<std::string>{})
        << nameOf(screen);
  }
}

// On any screen from 1024 logical pixels wide, at every scaling: the reading
// order, nothing over anything but a hot zone, the hot zones over their
// readouts, the bar as wide as the screen and 25 pixels high at 100 %, the
// work clock at the right edge; with the longest readings the bar shows.
TEST(FittedLayout, KeepsItsRulesAtEveryWidthAndScaling) {
  for (const int dpi : scalings) {
    const double scale = dpi / 96.0;
    const auto pixels = [&](int logical) { return static_cast<int>(std::lround(logical * scale)); };
    fakes::Scenario s(pixels(1920), pixels(1080), dpi);
    s.systemInfo.memory = {std::uint64_t{32} << 30, std::uint64_t{3} << 30};  // "32768 MB"
    s.systemInfo.cyclesPerHalfSecond = 1'496'123'456;                          // "2.992246912"
    s.backend.refreshRate = 144;
    s.writeSettings(fitSettings);
    s.start();
    s.advanceSeconds(1);
    TVTR& bar = s.bar();
    const auto none = [](const Control&, const Control&, const Rect&) { return false; };
    int checked = 0;
    for (int logical = 1024; logical <= 7680; logical += logical < 2600 ? 3 : 37) {
      if (dpi == 96 && (logical == 1024 || logical == 1280)) continue;  // the made layouts, tested above
      const int width = pixels(logical);
      s.backend.setScreen(width, pixels(logical * 9 / 16 < 600 ? 600 : logical * 9 / 16), dpi);
      bar.Timer8Timer();
      const std::string where = std::to_string(logical) + " logical pixels at " + std::to_string(dpi) + " dpi: ";
      ASSERT_EQ(layoutFault(bar, width, none), "") << where;
      ASSERT_EQ(hotZoneFault(bar), "") << where;
      ASSERT_EQ(bar.bounds(), Rect::fromBounds(0, 0, width, pixels(25))) << where;
      ASSERT_EQ(component(bar, "Label7").bounds().right, width - pixels(18)) << where << "the clock at the right edge";
      ++checked;
    }
    EXPECT_GT(checked, 600);
    EXPECT_EQ(component<toolkit::Label>(bar, "TotalPhys").caption(), "32768 MB");
    EXPECT_EQ(component<toolkit::Label>(bar, "Label18").font().height, pixels(13)) << "the font scaled";
  }
}

}  // namespace
