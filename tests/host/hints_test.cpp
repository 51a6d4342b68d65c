// The hints a user meets moving the pointer along the bar, one place for all of them.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "support/scenario.h"

namespace {

using Hints = std::map<std::string, std::string>;

// The hint of every component met on a sweep from the left end to the right
// end through the bar's middle row, by component.
Hints sweep(const veltrana::TVTR& bar) {
  Hints met;
  for (int x = 0; x < bar.bounds().width(); ++x) {
    const toolkit::Control* control = bar.controlAt({x, 12});
    if (control && !control->hint().empty()) met[control->name()] = control->hint();
  }
  return met;
}

TEST(Hints, EveryComponentWithAHintShowsItAtBothWidths) {
  const Hints expected{
      {"SpeedButton6", "Magic button"}, {"Label1", "Date"},          {"Label2", "Date"},
      {"Label3", "Date"},               {"Label5", "Date"},          {"Label4", "Date"},
      {"SpeedButton1", "CD Out"},       {"SpeedButton2", "CD In"},   {"Label13", "Free RAM"},
      {"RamGauge", "Free RAM"},         {"Label14", "Total RAM"},    {"TotalPhys", "Total RAM"},
      {"Label15", "Vertical Frequency Hz"}, {"Hz", "Vertical Frequency Hz"}, {"SpeedButton3", "Reboot"},
      {"SpeedButton4", "Shut Down"},    {"SpeedButton5", "Change user"}, {"Label17", "CPU Use"},
      {"Gauge1", "CPU Use"},            {"Label18", "CPU Frequency GHz"}, {"SpeedButton11", "Next Language"},
      {"Label10", "Work Time"},         {"Label9", "Work Time"},     {"Label8", "Work Time"},
      {"Label6", "Work Time"},          {"Label7", "Work Time"}};
  for (const int width : {1280, 1024}) {
    fakes::Scenario s(width, width == 1280 ? 1024 : 768);
    s.writeSettings("1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n");  // no hot zones over the texts
    s.start();
    EXPECT_EQ(sweep(s.bar()), expected) << width << " wide";
  }
}

}  // namespace
