// The reload pass runs every second but reads the settings file only when
// there can be something new in it; what it does besides stays every second.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace {

using fakes::Scenario;

constexpr char defaults7[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";

TEST(ReloadReads, AnUnchangedFileIsNotReadAgainButEverythingElseGoesOn) {
  Scenario s;
  s.writeSettings(defaults7);
  s.start();
  s.advanceSeconds(1);
  const int opens = s.files.opens;
  s.shell.trayIcons.clear();  // the notification area was made anew
  s.advanceSeconds(60);
  EXPECT_EQ(s.files.opens, opens) << "a steady minute reads nothing";
  EXPECT_EQ(s.shell.trayIcons.size(), 1u) << "the icon is added again all the same";

  s.setLine(1, "2");
  s.advanceSeconds(1);
  EXPECT_EQ(s.bar().Timer2.interval(), 2000u) << "a change is applied within a second";

  s.files.files.erase(Scenario::settingsPath());
  s.advanceSeconds(1);
  EXPECT_EQ(s.files.text(Scenario::settingsPath()), "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\n")
      << "a deleted file is recreated within a second";
  s.advanceSeconds(1);
  EXPECT_FALSE(s.bar().settings().moveMode());
}

TEST(ReloadReads, AFailedPassOrAFreshWriteIsReadInFullAtTheNextPass) {
  Scenario s;
  s.writeSettings(defaults7);
  s.start();
  s.setLine(2, "x");
  s.advanceSeconds(1);
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  int opens = s.files.opens;
  s.advanceSeconds(3);
  EXPECT_EQ(s.files.opens, opens + 3) << "after a failure every pass reads the file";
  EXPECT_EQ(s.backend.errorBoxes.size(), 1u) << "and reports the same failure once";

  s.writeSettings(defaults7);
  s.files.justWritten.insert(Scenario::settingsPath());
  s.advanceSeconds(1);
  opens = s.files.opens;
  s.advanceSeconds(3);
  EXPECT_EQ(s.files.opens, opens + 3) << "a write too recent for its stamp to tell is read every pass";
}

}  // namespace
