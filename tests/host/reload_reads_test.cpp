// The reload pass runs every second but reads the settings file only when
// there can be something new in it; what it does besides stays every second.
#include <gtest/gtest.h>

#include "support/scenario.h"

namespace {

using fakes::Scenario;
using fakes::component;

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
  EXPECT_EQ(s.timersAt(2000), 3) << "a change is applied within a second";

  s.files.files.erase(Scenario::settingsPath());
  s.advanceSeconds(1);
  EXPECT_EQ(s.files.text(Scenario::settingsPath()), "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\n")
      << "a deleted file is recreated within a second";
  s.advanceSeconds(1);
  EXPECT_FALSE(s.bar().moveMode());
}

// A file that fails on its own content fails the same way while it stays:
// it is read once, and the failure is reported once.
TEST(ReloadReads, AFileFaultyInItselfIsReadOnceWhileItStays) {
  Scenario s;
  s.writeSettings(defaults7);
  s.start();
  s.setLine(2, "x");
  s.advanceSeconds(1);
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  EXPECT_EQ(s.backend.errorBoxes[0].text, "'x' is not a valid integer value.");
  const int opens = s.files.opens;
  const int stamps = s.files.stamps;
  s.advanceSeconds(10);
  EXPECT_EQ(s.files.opens, opens) << "nothing new to read";
  EXPECT_EQ(s.files.stamps, stamps + 10) << "only the file's stamp is looked at, every second";
  EXPECT_EQ(s.backend.errorBoxes.size(), 1u);

  s.setLine(2, "6");
  s.advanceSeconds(1);
  s.bar().HideAboveScreen();
  EXPECT_EQ(s.timersAt(6000), 1) << "the mended file is read within a second";
}

// What depends on other files is tried again every second, from the reading
// the file gave.
TEST(ReloadReads, AMissingSkinIsTriedAgainWithoutReadingTheFileAgain) {
  Scenario s;
  s.writeSettings("1\r\n5\r\nOlive\r\n255\r\n32768\r\nTrue\r\nMove\r\n");
  const std::string olive = std::string(Scenario::settingsFolder) + "\\olive.bmp";
  const auto skin = s.files.files.at(olive);
  s.files.files.erase(olive);
  s.start();
  s.advanceSeconds(1);
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  const int opens = s.files.opens;
  s.advanceSeconds(3);
  EXPECT_EQ(s.files.opens, opens);
  EXPECT_EQ(s.bar().settings().colourScheme(), "");

  s.files.files[olive] = skin;
  s.advanceSeconds(1);
  EXPECT_EQ(s.bar().settings().colourScheme(), "Olive") << "the skin that came meanwhile";
  EXPECT_EQ(component<toolkit::Label>(s.bar(), "Label4").font().color, 255u) << "and the lines after it";
  EXPECT_EQ(s.files.opens, opens);
}

TEST(ReloadReads, AWriteTooRecentForItsStampIsReadEveryPass) {
  Scenario s;
  s.writeSettings(defaults7);
  s.start();
  s.files.justWritten.insert(Scenario::settingsPath());
  s.advanceSeconds(1);
  const int opens = s.files.opens;
  s.advanceSeconds(3);
  EXPECT_EQ(s.files.opens, opens + 3);
}

}  // namespace
