// Hiding the bar above the screen: by a click, by the pointer in move mode, and its return.
#include <gtest/gtest.h>

#include "started_program.h"

namespace {

using fakes::component;

TEST(HideAndReturn, AClickOnTheBackgroundHidesTheBarForTheHideTime) {
  Started s;
  click(s.bar(), {1190, 12});  // bare background
  EXPECT_EQ(s.top(), -25);
  EXPECT_EQ(s.timersAt(5000), 1) << "the return timer runs";
  s.advanceMs(2000);
  click(component<toolkit::Label>(s.bar(), "Label3"));  // a second trigger while hidden: the countdown goes on
  s.advanceMs(2999);
  EXPECT_EQ(s.top(), -25);
  s.advanceMs(1);
  EXPECT_EQ(s.top(), 0) << "back at 0: the requested 2 snaps to the edge";
  EXPECT_EQ(s.timersAt(5000), 0) << "and stops";
}

TEST(HideAndReturn, EveryTextButTheDayHidesTheBarAndNothingElseDoes) {
  Started s;
  auto& bar = s.bar();
  for (toolkit::Label* label : fakes::labelsOf(bar)) {
    click(*label);
    EXPECT_EQ(s.top(), label == &component<toolkit::Label>(bar, "Label1") ? 0 : -25) << label->name();
    s.advanceSeconds(5);  // back after the hide time
  }
  for (toolkit::Control* quiet : std::initializer_list<toolkit::Control*>{
           &component<veltrana::TGauge>(bar, "RamGauge"), &component<veltrana::TGauge>(bar, "Gauge1"), &component<toolkit::SpeedButton>(bar, "SpeedButton1"), &component<toolkit::SpeedButton>(bar, "SpeedButton2"), &component<toolkit::SpeedButton>(bar, "SpeedButton3"), &component<toolkit::SpeedButton>(bar, "SpeedButton4"),
           &component<toolkit::SpeedButton>(bar, "SpeedButton5"), &component<toolkit::SpeedButton>(bar, "SpeedButton11")}) {
    click(*quiet);
    EXPECT_EQ(s.top(), 0) << quiet->name();
  }
}

TEST(HideAndReturn, APlainColourBackgroundTakesNoClick) {
  Started s("1\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nStay\r\n");
  click(s.bar(), {1190, 12});
  EXPECT_EQ(s.top(), 0);
  click(component<toolkit::Label>(s.bar(), "Label14"));
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
    s.advanceSeconds(5);  // back after the hide time
  }
  bar.mouseMove(buttons);
  EXPECT_EQ(s.top(), 0) << "no zone lies over the buttons";

  click(bar, centreOf(component<toolkit::Label>(bar, "Label17")));
  EXPECT_EQ(s.top(), 0) << "a click on a text under a zone reaches the zone, which has no click";
}

TEST(MoveMode, AfterASwitchTo1024TheProcessorZoneCoversTheLayoutButton) {
  Started s(fakes::defaultSettings);
  s.advanceSeconds(1);
  s.backend.setScreen(1024, 768);
  s.advanceSeconds(1);
  auto& bar = s.bar();
  EXPECT_EQ(component<toolkit::Image>(bar, "Image5").bounds(), toolkit::Rect::fromBounds(732, 0, 265, 25));
  EXPECT_EQ(bar.controlAt(centreOf(component<toolkit::SpeedButton>(bar, "SpeedButton11"))), &component<toolkit::Image>(bar, "Image5"));
  bar.mouseMove(centreOf(component<toolkit::SpeedButton>(bar, "SpeedButton11")));
  EXPECT_EQ(s.top(), -25);
}

}  // namespace
