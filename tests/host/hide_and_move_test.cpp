// Hiding the bar above the screen: by a click, by the pointer in move mode, and its return.
#include <gtest/gtest.h>

#include "started_program.h"

namespace {

TEST(HideAndReturn, AClickOnTheBackgroundHidesTheBarForTheHideTime) {
  Started s;
  click(s.bar(), {1190, 12});  // bare background
  EXPECT_EQ(s.top(), -25);
  EXPECT_TRUE(s.bar().Timer3.enabled());
  s.advanceMs(2000);
  click(s.bar().Label3);  // a second trigger while hidden: the countdown goes on
  s.advanceMs(2999);
  EXPECT_EQ(s.top(), -25);
  s.advanceMs(1);
  EXPECT_EQ(s.top(), 0) << "back at 0: the requested 2 snaps to the edge";
  EXPECT_FALSE(s.bar().Timer3.enabled());
}

TEST(HideAndReturn, EveryTextButTheDayHidesTheBarAndNothingElseDoes) {
  Started s;
  auto& bar = s.bar();
  for (toolkit::Label* label : bar.captionLabels()) {
    click(*label);
    EXPECT_EQ(s.top(), label == &bar.Label1 ? 0 : -25) << label->name();
    bar.Timer3Timer();
  }
  for (toolkit::Label* label : bar.valueLabels()) {
    click(*label);
    EXPECT_EQ(s.top(), -25) << label->name();
    bar.Timer3Timer();
  }
  for (toolkit::Control* quiet : std::initializer_list<toolkit::Control*>{
           &bar.RamGauge, &bar.Gauge1, &bar.SpeedButton1, &bar.SpeedButton2, &bar.SpeedButton3, &bar.SpeedButton4,
           &bar.SpeedButton5, &bar.SpeedButton11}) {
    click(*quiet);
    EXPECT_EQ(s.top(), 0) << quiet->name();
  }
}

TEST(HideAndReturn, APlainColourBackgroundTakesNoClick) {
  Started s("1\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nStay\r\n");
  click(s.bar(), {1190, 12});
  EXPECT_EQ(s.top(), 0);
  click(s.bar().Label14);
  EXPECT_EQ(s.top(), -25);
}

TEST(HideAndReturn, ANewHideTimeRestartsTheCountdownAtThePassThatReadsIt) {
  Started s(fakes::defaultSettings);
  s.advanceMs(500);
  s.bar().HideAboveScreen();
  s.advanceMs(2000);
  s.setLine(2, "10");
  s.advanceMs(1000);  // the pass at 3 s reads it and restarts the countdown: back at 13 s
  s.advanceMs(9499);
  EXPECT_EQ(s.top(), -25);
  s.advanceMs(1);
  EXPECT_EQ(s.top(), 0);
}

TEST(HideAndReturn, HideTimeZeroKeepsTheBarHiddenUntilItChanges) {
  Started s(fakes::defaultSettings);
  s.setLine(2, "0");
  s.advanceSeconds(1);
  s.bar().HideAboveScreen();
  EXPECT_EQ(s.top(), -25) << "a hide still moves the bar up";
  s.advanceSeconds(100);
  EXPECT_EQ(s.top(), -25);
  s.setLine(2, "3");
  s.advanceMs(1000);
  s.advanceMs(2999);
  EXPECT_EQ(s.top(), -25);
  s.advanceMs(1);
  EXPECT_EQ(s.top(), 0) << "one full new hide time after the pass";
}

TEST(MoveMode, HotZonesHideTheBarOnPointerMovementOnlyInMoveMode) {
  Started s(fakes::staySettings);
  auto& bar = s.bar();
  const toolkit::Point date{70, 10}, ram{300, 10}, cpu{800, 10}, clock{1230, 10}, buttons{628, 10};
  for (toolkit::Point p : {date, ram, cpu, clock}) {
    bar.mouseMove(p);
    EXPECT_EQ(s.top(), 0) << "move mode off at " << p.x;
  }
  s.setLine(7, "Move");
  s.advanceSeconds(1);
  for (toolkit::Point p : {date, ram, cpu, clock}) {
    bar.mouseMove(p);
    EXPECT_EQ(s.top(), -25) << "move mode on at " << p.x;
    bar.Timer3Timer();
  }
  bar.mouseMove(buttons);
  EXPECT_EQ(s.top(), 0) << "no zone lies over the buttons";

  click(bar, centreOf(bar.Label17));
  EXPECT_EQ(s.top(), 0) << "a click on a text under a zone reaches the zone, which has no click";
}

TEST(MoveMode, AfterASwitchTo1024TheProcessorZoneCoversTheLayoutButton) {
  Started s(fakes::defaultSettings);
  s.advanceSeconds(1);
  s.backend.setScreen(1024, 768);
  s.advanceSeconds(1);
  auto& bar = s.bar();
  EXPECT_EQ(bar.Image5.bounds(), toolkit::Rect::fromBounds(732, 0, 265, 25));
  EXPECT_EQ(bar.controlAt(centreOf(bar.SpeedButton11)), &bar.Image5);
  bar.mouseMove(centreOf(bar.SpeedButton11));
  EXPECT_EQ(s.top(), -25);
}

}  // namespace
