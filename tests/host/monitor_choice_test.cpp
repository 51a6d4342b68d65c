// The drop-down that chooses the bar's monitor: its entries over desks of
// one and more monitors, the entry the settings file chooses, and the line
// each entry writes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "options/monitor_choice.h"

namespace {

using veltrana::options::MonitorChoice;
using veltrana::options::MonitorOnDesk;
using veltrana::options::monitorChoice;

const MonitorOnDesk mainFullHd{"\\\\.\\DISPLAY1", 0, 0, {1920, 1080, 96}, true};

MonitorOnDesk other(const char* name, int left, int top, int width = 1280, int height = 1024) {
  return {name, left, top, {width, height, 96}, false};
}

std::vector<std::string> textsOf(const MonitorChoice& choice) {
  std::vector<std::string> texts;
  for (const auto& entry : choice.entries) texts.push_back(entry.text);
  return texts;
}

// The second monitor's entry where it lies at (left, top) beside the main display.
std::string secondAt(int left, int top, int width = 1280, int height = 1024) {
  const std::vector<MonitorOnDesk> desk{mainFullHd, other("\\\\.\\DISPLAY2", left, top, width, height)};
  return monitorChoice(desk, "").entries.at(1).text;
}

TEST(MonitorEntries, NameTheMainDisplayAloneByNumberAndSize) {
  const std::vector<MonitorOnDesk> desk{mainFullHd};
  const MonitorChoice choice = monitorChoice(desk, "");
  EXPECT_EQ(textsOf(choice), std::vector<std::string>{"1: 1920 x 1080, the main display"});
  EXPECT_EQ(choice.selected, 0u);
  EXPECT_EQ(choice.entries[0].line, "") << "the bar follows the main display";
  EXPECT_TRUE(choice.entries[0].connected);
  EXPECT_EQ(choice.entries[0].screen, mainFullHd.screen);

  const MonitorChoice none = monitorChoice({}, "");
  ASSERT_EQ(none.entries.size(), 1u) << "a desk Windows did not list still has its main display";
  EXPECT_EQ(none.entries[0].line, "");
}

TEST(MonitorEntries, SayOnWhichSideOfTheMainDisplayEachLiesByItsCentre) {
  EXPECT_EQ(secondAt(-1280, 0), "2: 1280 x 1024, left of the main display") << "at negative coordinates";
  EXPECT_EQ(secondAt(1920, 0), "2: 1280 x 1024, right of the main display");
  EXPECT_EQ(secondAt(0, -1024), "2: 1280 x 1024, above the main display");
  EXPECT_EQ(secondAt(320, 1080), "2: 1280 x 1024, below the main display");
  EXPECT_EQ(secondAt(-1280, -200), "2: 1280 x 1024, left of the main display") << "a little higher, still beside";
  EXPECT_EQ(secondAt(1600, -1024), "2: 1280 x 1024, above the main display") << "along part of its top edge";
}

TEST(MonitorEntries, NameBothSidesOnlyForAMonitorThatTouchesTheMainDisplayAtACorner) {
  EXPECT_EQ(secondAt(1920, -1024), "2: 1280 x 1024, above and right of the main display");
  EXPECT_EQ(secondAt(-1280, 1080), "2: 1280 x 1024, below and left of the main display");
  // Its centre below and right of the main display's corner, its edge along the main display's right.
  EXPECT_EQ(secondAt(1920, 600), "2: 1280 x 1024, right of the main display");
  // Along the main display's bottom edge, its centre past the right edge.
  EXPECT_EQ(secondAt(1500, 1080, 1920, 1080), "2: 1920 x 1080, below the main display");
  EXPECT_EQ(secondAt(0, 0, 1920, 1080), "2: 1920 x 1080, overlapping the main display") << "a mirror";
  EXPECT_EQ(secondAt(200, 100, 800, 600), "2: 800 x 600, overlapping the main display");
}

TEST(MonitorEntries, ListTheMainDisplayFirstThenTheOthersInWindowsOrder) {
  const std::vector<MonitorOnDesk> desk{
      other("\\\\.\\DISPLAY3", 2560, 0, 1024, 768),
      {"\\\\.\\DISPLAY2", 0, 0, {2560, 1440, 144}, true},
      other("\\\\.\\DISPLAY1", -1280, 0),
  };
  const MonitorChoice choice = monitorChoice(desk, "");
  EXPECT_EQ(textsOf(choice), (std::vector<std::string>{"2: 2560 x 1440, the main display",
                                                       "3: 1024 x 768, right of the main display",
                                                       "1: 1280 x 1024, left of the main display"}));
  EXPECT_EQ(choice.entries[0].screen.dpi, 144);
  EXPECT_EQ(choice.entries[1].line, "\\\\.\\DISPLAY3");
  EXPECT_EQ(choice.entries[2].line, "\\\\.\\DISPLAY1");
}

TEST(MonitorEntries, NumberANameWithoutANumberByItsPlaceInTheList) {
  const std::vector<MonitorOnDesk> desk{
      {"MAIN", 0, 0, {1280, 1024, 96}, true},
      other("\\\\.\\DISPLAY07", 1280, 0),
      other("\\\\.\\DISPLAY", -1280, 0),
      other("\\\\.\\DISPLAY0", 0, 1024),
  };
  EXPECT_EQ(textsOf(monitorChoice(desk, "")), (std::vector<std::string>{"1: 1280 x 1024, the main display",
                                                                        "7: 1280 x 1024, right of the main display",
                                                                        "3: 1280 x 1024, left of the main display",
                                                                        "0: 1280 x 1024, below the main display"}));
}

// Choosing the entry the dialog opened with keeps line 12 as the file has it.
TEST(MonitorSelection, ChoosesTheEntryLineTwelveNamesInAnyCase) {
  const std::vector<MonitorOnDesk> desk{mainFullHd, other("\\\\.\\DISPLAY2", -1280, 0)};

  MonitorChoice choice = monitorChoice(desk, "\\\\.\\display2");
  ASSERT_EQ(choice.entries.size(), 2u) << "no entry of its own for a name in another case";
  EXPECT_EQ(choice.selected, 1u);
  EXPECT_EQ(choice.entries[1].line, "\\\\.\\display2") << "kept as the file has it";
  EXPECT_EQ(choice.entries[0].line, "") << "choosing the main display empties the line";
  EXPECT_EQ(choice.entries[1].screen, (veltrana::Screen{1280, 1024, 96}));

  choice = monitorChoice(desk, "\\\\.\\DISPLAY1");
  EXPECT_EQ(choice.selected, 0u);
  EXPECT_EQ(choice.entries[0].line, "\\\\.\\DISPLAY1") << "a main display named by the file stays named";
  EXPECT_EQ(choice.entries[1].line, "\\\\.\\DISPLAY2");

  choice = monitorChoice(desk, "");
  EXPECT_EQ(choice.selected, 0u);
  EXPECT_EQ(choice.entries[1].line, "\\\\.\\DISPLAY2") << "as Windows gives the name";
}

TEST(MonitorSelection, ShowsAMonitorNotConnectedAsAnEntryOfItsOwnOnTheMainDisplay) {
  const std::vector<MonitorOnDesk> desk{mainFullHd, other("\\\\.\\DISPLAY2", -1280, 0)};
  const MonitorChoice choice = monitorChoice(desk, "\\\\.\\DISPLAY3");
  EXPECT_EQ(textsOf(choice), (std::vector<std::string>{"1: 1920 x 1080, the main display",
                                                       "2: 1280 x 1024, left of the main display",
                                                       "\\\\.\\DISPLAY3 (not connected)"}));
  EXPECT_EQ(choice.selected, 2u);
  const auto& missing = choice.entries[2];
  EXPECT_FALSE(missing.connected);
  EXPECT_EQ(missing.line, "\\\\.\\DISPLAY3") << "kept while the monitor is away";
  EXPECT_EQ(missing.screen, mainFullHd.screen) << "the bar is on the main display meanwhile";
  for (std::size_t i = 0; i < 2; ++i) EXPECT_TRUE(choice.entries[i].connected);
  EXPECT_EQ(choice.entries[0].line, "");
}

}  // namespace
