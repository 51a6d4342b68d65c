// Fitting, line 8 of the settings file: the bar on any screen of 1024x600
// logical pixels or more, at the monitor's scaling.
#include <gtest/gtest.h>

#include "popups/menu_panel.h"
#include "popups/unsupported_screen_notice.h"
#include "started_program.h"

namespace {

using fakes::component;
using toolkit::Rect;

constexpr char sevenLines[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n";

struct Fitted : fakes::Scenario {
  Fitted(int width, int height, int dpi, const std::string& line8 = "Fit") : Scenario(width, height, dpi) {
    writeSettings(sevenLines + line8 + "\r\n");
    start();
  }
  int noticeShown() { return backend.windowOf(program->unsupportedScreenNotice())->modalRuns; }
};

TEST(Fitting, IsOnOnlyWhenLine8IsTheWordFit) {
  for (const char* line8 : {"Fit", "fit", "", "Fit ", "Yes"}) {
    Fitted s(1920, 1080, 96, line8);
    s.advanceSeconds(2);
    const bool fit = std::string(line8) == "Fit";
    EXPECT_EQ(s.bar().bounds().width(), fit ? 1920 : 1280) << '"' << line8 << '"';
    EXPECT_EQ(s.noticeShown(), fit ? 0 : 1) << '"' << line8 << "\": else the screen is not supported";
    EXPECT_TRUE(s.backend.errorBoxes.empty()) << "never an error";
  }
  fakes::Scenario missing(1920, 1080);
  missing.writeSettings(sevenLines);
  missing.start();
  missing.advanceSeconds(2);
  EXPECT_EQ(missing.backend.windowOf(missing.program->unsupportedScreenNotice())->modalRuns, 1) << "no line 8";
}

// At 150 %: the bar 1.5 times as tall, its fonts and glyphs and the menu
// panel under it alike; hidden, it lies its own height above the screen.
TEST(Fitting, DrawsEverythingAtTheMonitorsScaling) {
  Fitted s(1920, 1080, 144);
  EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, 1920, 38));
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "Label12").font().height, 20);
  EXPECT_EQ(component(s.bar(), "SpeedButton6").bounds().height(), 38);
  veltrana::TForm4& panel = s.program->menuPanel();
  EXPECT_EQ(panel.bounds(), Rect::fromBounds(8, 41, 266, 278)) << "under the bar's left end";
  EXPECT_EQ(component(panel, "BitBtn1").bounds(), Rect::fromBounds(6, 30, 254, 38));

  s.bar().HideAboveScreen();
  EXPECT_EQ(s.bar().bounds().top, -38);
  s.advanceSeconds(5);
  EXPECT_EQ(s.bar().bounds().top, 0);
}

TEST(Fitting, FollowsAChangeOfScalingOrSizeWithinASecond) {
  Fitted s(1920, 1080, 96);
  s.advanceSeconds(1);
  EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, 1920, 25));
  s.backend.setScreen(2560, 1440, 120);
  s.advanceSeconds(1);
  EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, 2560, 31));
  EXPECT_EQ(s.program->menuPanel().bounds().height(), 231);
  s.backend.setScreen(1280, 1024, 96);
  s.advanceSeconds(1);
  EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, 1280, 25)) << "the made layout, as designed";
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "Label12").font().height, 13);
}

// Turned off on a screen the bar was not made for, the bar keeps its last
// layout until it starts again, as after a change to such a screen.
TEST(Fitting, TurnedOffKeepsTheLastLayoutAndTurnedOnStartsOnAnyScreen) {
  Fitted s(2560, 1440, 120);
  s.advanceSeconds(1);
  s.setLine(8, "");
  s.advanceSeconds(5);
  EXPECT_EQ(s.bar().bounds(), Rect::fromBounds(0, 0, 2560, 31));
  EXPECT_EQ(s.noticeShown(), 0);
  EXPECT_EQ(s.workClock(), "00:00:06") << "the bar goes on";

  Fitted tooSmall(800, 600, 96);
  tooSmall.advanceSeconds(1);
  EXPECT_EQ(tooSmall.noticeShown(), 1) << "below 1024 logical pixels";
}

}  // namespace
