#include <gtest/gtest.h>

#include "readouts/date_readout.h"
#include "readouts/work_clock.h"
#include "support/scenario.h"

namespace {

using fakes::component;

struct ClockFixture : ::testing::Test {
  ClockFixture() { scenario.start(); }
  void setClock(const char* h, const char* m, const char* s) {
    component<toolkit::Label>(scenario.bar(), "Label10").setCaption(h);
    component<toolkit::Label>(scenario.bar(), "Label8").setCaption(m);
    component<toolkit::Label>(scenario.bar(), "Label7").setCaption(s);
  }
  void tick() { veltrana::advanceWorkClock({component<toolkit::Label>(scenario.bar(), "Label10"), component<toolkit::Label>(scenario.bar(), "Label8"), component<toolkit::Label>(scenario.bar(), "Label7")}); }
  fakes::Scenario scenario;
};

TEST_F(ClockFixture, CarriesSecondsIntoMinutesAndMinutesIntoHours) {
  setClock("00", "00", "59");
  tick();
  EXPECT_EQ(scenario.workClock(), "00:01:00");
  setClock("00", "59", "59");
  tick();
  EXPECT_EQ(scenario.workClock(), "01:00:00");
  setClock("09", "09", "08");
  tick();
  EXPECT_EQ(scenario.workClock(), "09:09:09");
  setClock("10", "10", "10");
  tick();
  EXPECT_EQ(scenario.workClock(), "10:10:11");
}

TEST_F(ClockFixture, HoursHaveNoUpperBound) {
  setClock("99", "59", "59");
  tick();
  EXPECT_EQ(scenario.workClock(), "100:00:00");
  tick();
  EXPECT_EQ(scenario.workClock(), "100:00:01");
}

TEST_F(ClockFixture, DatePadsDayAndMonthButNotTheYear) {
  auto& bar = scenario.bar();
  veltrana::showDate({2007, 3, 9}, {component<toolkit::Label>(bar, "Label1"), component<toolkit::Label>(bar, "Label3"), component<toolkit::Label>(bar, "Label4")});
  EXPECT_EQ(scenario.date(), "09.03.2007");
  veltrana::showDate({2026, 12, 25}, {component<toolkit::Label>(bar, "Label1"), component<toolkit::Label>(bar, "Label3"), component<toolkit::Label>(bar, "Label4")});
  EXPECT_EQ(scenario.date(), "25.12.2026");
  veltrana::showDate({999, 10, 1}, {component<toolkit::Label>(bar, "Label1"), component<toolkit::Label>(bar, "Label3"), component<toolkit::Label>(bar, "Label4")});
  EXPECT_EQ(scenario.date(), "01.10.999");
}

}  // namespace
