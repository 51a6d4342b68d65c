#include <gtest/gtest.h>

#include "support/scenario.h"
#include "popups/file_error_notice.h"

namespace {

using fakes::component;

using fakes::Scenario;

constexpr char quotedProgram[] = "\"C:\\Program Files\\Veltrana\\Veltrana.exe\"";

std::vector<int> zoneWidths(Scenario& s) {
  std::vector<int> widths;
  for (const char* zone : {"Image2", "Image3", "Image4", "Image5"}) widths.push_back(component(s.bar(), zone).width());
  return widths;
}

TEST(SettingsStartup, FirstStartCreatesTheFileAndTheFirstReloadAppliesIt) {
  Scenario s;
  s.start();
  EXPECT_EQ(s.files.text(Scenario::settingsPath()), fakes::defaultSettings) << "seven lines, 36 bytes";
  EXPECT_EQ(s.bar().settings().colourScheme(), "") << "not applied in the start-up pass";
  EXPECT_TRUE(s.registry.run.empty());
  EXPECT_TRUE(s.shell.trayIcons.empty());

  s.advanceSeconds(1);
  auto& bar = s.bar();
  EXPECT_EQ(bar.settings().colourScheme(), "Silver");
  EXPECT_TRUE(component<toolkit::Image>(bar, "Image1").visible());
  EXPECT_FALSE(component<toolkit::Shape>(bar, "Shape1").visible());
  EXPECT_EQ(component<toolkit::Image>(bar, "Image1").picture()->width, 1280) << "the silver skin";
  for (auto* l : fakes::labelsOf(bar))
    EXPECT_EQ(l->font().color, fakes::isValueLabel(*l) ? toolkit::colors::green : toolkit::colors::black) << l->name();
  EXPECT_EQ(s.registry.run.at("VTR"), quotedProgram);
  EXPECT_TRUE(bar.moveMode());
  EXPECT_EQ(zoneWidths(s), (std::vector<int>{80, 40, 380, 400}));
  EXPECT_EQ(s.shell.trayIcons.size(), 1u);
  EXPECT_EQ(s.shell.trayIcons.begin()->second, "Veltrana");
  EXPECT_TRUE(s.backend.errorBoxes.empty());
}

TEST(SettingsStartup, AnExistingFileIsAppliedAtOnce) {
  Scenario s;
  s.writeSettings("3\r\n7\r\n255\r\n16711680\r\n0\r\nFalse\r\nStay\r\n");
  s.registry.run["VTR"] = "old";
  s.start();
  auto& bar = s.bar();
  EXPECT_EQ(s.timersAt(3000), 3) << "the readouts' timers";
  EXPECT_EQ(s.timersAt(7000), 0) << "the return timer waits for a hide";
  bar.HideAboveScreen();
  EXPECT_EQ(s.timersAt(7000), 1);
  EXPECT_TRUE(component<toolkit::Shape>(bar, "Shape1").visible());
  EXPECT_EQ(component<toolkit::Shape>(bar, "Shape1").fillColor(), 255u);
  EXPECT_EQ(bar.bounds().height(), 25) << "a plain colour keeps the bar 25 high";
  EXPECT_EQ(component<toolkit::Label>(bar, "Label4").font().color, 16711680u);
  EXPECT_EQ(component<toolkit::Label>(bar, "Hz").font().color, 0u);
  EXPECT_FALSE(s.registry.run.count("VTR"));
  EXPECT_EQ(zoneWidths(s), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_EQ(s.shell.trayIcons.size(), 1u);
  EXPECT_EQ(s.files.openHandles, 0);
}

TEST(SettingsStartup, AFileAnotherProgramHoldsIsNotWrittenOverButReadOnceLetGo) {
  Scenario s;
  s.writeSettings("3\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nStay\r\n");
  s.files.heldForWriting.insert(Scenario::settingsPath());
  s.start();
  EXPECT_EQ(s.files.text(Scenario::settingsPath()), "3\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nStay\r\n");
  EXPECT_EQ(s.backend.windowOf(s.program->fileErrorNotice())->modalRuns, 0);
  s.files.heldForWriting.clear();
  s.advanceSeconds(1);
  EXPECT_EQ(s.timersAt(3000), 3);
  EXPECT_TRUE(s.backend.errorBoxes.empty());
}

TEST(SettingsStartup, AMissingFolderShowsTheFileErrorNoticeAndWritesNothing) {
  Scenario s;
  s.files.folders.clear();
  s.shell.personal = "D:\\Docs";
  s.start();
  auto& bar = s.bar();
  auto& notice = s.program->fileErrorNotice();
  EXPECT_EQ(s.backend.windowOf(notice)->modalRuns, 1);
  EXPECT_EQ(notice.Label2.caption(), "Can`t open file on disk D:\\");
  EXPECT_TRUE(s.files.files.empty() || !s.files.exists("D:\\Docs\\VTR\\Options.set"));
  EXPECT_EQ(s.backend.scheduledTimers(), 0u) << "every timer stopped";
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u) << "closed without its button: the unopened file's write fails";
  EXPECT_EQ(s.backend.errorBoxes[0].text, "I/O error 105.");
  EXPECT_EQ(s.backend.errorBoxes[0].title, "Veltrana");
  s.advanceSeconds(5);
  EXPECT_EQ(s.workClock(), "00:00:00");
  EXPECT_TRUE(bar.visible()) << "the bar stays up";
}

TEST(SettingsReload, UpdateIntervalMovesTheReadoutsButNotTheClock) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.setLine(1, "2");
  s.advanceSeconds(1);  // the pass reads the new interval and restarts the countdowns
  const int queries = s.systemInfo.queries;
  s.advanceSeconds(4);
  EXPECT_EQ(s.workClock(), "00:00:05");
  EXPECT_EQ(s.systemInfo.queries - queries, 2 * 3) << "two samples of three queries in four seconds";

  s.setLine(1, "0");
  s.advanceSeconds(1);
  const std::string frozenDate = s.date();
  const int frozen = s.systemInfo.queries;
  s.systemInfo.date = {2030, 1, 2};
  s.advanceSeconds(10);
  EXPECT_EQ(s.systemInfo.queries, frozen) << "an interval of 0 stops the readouts";
  EXPECT_EQ(s.date(), frozenDate);
  EXPECT_EQ(s.workClock(), "00:00:16");
}

TEST(SettingsReload, BackgroundFollowsLineThreeWithTheSchemeRule) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  auto& bar = s.bar();
  const auto silver = component<toolkit::Image>(bar, "Image1").picture();
  s.setLine(3, "255");
  s.advanceSeconds(1);
  EXPECT_TRUE(component<toolkit::Shape>(bar, "Shape1").visible());
  EXPECT_FALSE(component<toolkit::Image>(bar, "Image1").visible());
  s.setLine(3, "Silver");
  s.advanceSeconds(1);
  EXPECT_TRUE(component<toolkit::Shape>(bar, "Shape1").visible()) << "the skin last loaded is not loaded again: the background stays red";

  s.setLine(3, "Olive");
  s.advanceSeconds(1);
  EXPECT_TRUE(component<toolkit::Image>(bar, "Image1").visible());
  EXPECT_EQ(bar.settings().colourScheme(), "Olive");
  EXPECT_NE(component<toolkit::Image>(bar, "Image1").picture(), silver);
  s.setLine(3, "Silver");
  s.advanceSeconds(1);
  EXPECT_EQ(bar.settings().colourScheme(), "Silver");
  EXPECT_EQ(*component<toolkit::Image>(bar, "Image1").picture()->pixels.data(), *silver->pixels.data());

  const int reads = s.files.fullReads;
  s.advanceSeconds(5);
  EXPECT_EQ(s.files.fullReads, reads) << "a skin is loaded only when the scheme changes";
}

TEST(SettingsReload, AutostartFollowsLineSixAndIsWrittenOnlyWhenItDiffers) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.advanceSeconds(10);
  EXPECT_EQ(s.registry.run.at("VTR"), quotedProgram);
  EXPECT_EQ(s.registry.writes, 1);
  s.setLine(6, "False");
  s.advanceSeconds(1);
  EXPECT_FALSE(s.registry.run.count("VTR"));
  s.advanceSeconds(5);
  EXPECT_EQ(s.registry.writes, 2);
  s.setLine(6, "true");
  s.advanceSeconds(1);
  EXPECT_FALSE(s.registry.run.count("VTR")) << "only \"True\" switches it on";
}

TEST(SettingsReload, MoveModeGivesTheHotZonesTheirWidthsOrNone) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.advanceSeconds(1);
  EXPECT_EQ(zoneWidths(s), (std::vector<int>{80, 40, 380, 400}));
  s.setLine(7, "Stay");
  s.advanceSeconds(1);
  EXPECT_FALSE(s.bar().moveMode());
  EXPECT_EQ(zoneWidths(s), (std::vector<int>{0, 0, 0, 0}));
  const auto before = s.bar().counters();
  s.advanceSeconds(3);
  EXPECT_EQ(s.bar().counters().resizes, before.resizes) << "the zones come and go within a pass without a resize";
  s.setLine(7, "Move");
  s.advanceSeconds(1);
  EXPECT_EQ(zoneWidths(s), (std::vector<int>{80, 40, 380, 400}));
}

TEST(SettingsReload, NarrowScreenBarIs1024WideWithoutMoveMode) {
  Scenario s(1024, 768);
  s.writeSettings(fakes::staySettings);
  s.start();
  EXPECT_EQ(s.bar().bounds().width(), 1024);
  s.setLine(7, "Move");
  s.advanceSeconds(1);
  EXPECT_EQ(s.bar().bounds().width(), 1041);
}

TEST(SettingsReload, ADeletedFileIsRecreatedWithSixLinesAndMoveModeGoes) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.advanceSeconds(1);
  s.files.files.erase(Scenario::settingsPath());
  s.advanceSeconds(1);
  EXPECT_EQ(s.files.text(Scenario::settingsPath()), "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\n");
  EXPECT_TRUE(s.bar().moveMode()) << "the pass that recreates the file ends there";
  s.advanceSeconds(1);
  EXPECT_FALSE(s.bar().moveMode());
  EXPECT_EQ(zoneWidths(s), (std::vector<int>{0, 0, 0, 0}));
  EXPECT_TRUE(s.backend.errorBoxes.empty());
}

TEST(SettingsReload, AFaultyLineIsReportedOnceWhileTheBarKeepsRunning) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.setLine(1, "one");
  s.advanceSeconds(60);
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  EXPECT_EQ(s.backend.errorBoxes[0].title, "Veltrana");
  EXPECT_EQ(s.backend.errorBoxes[0].text, "'one' is not a valid integer value.");
  EXPECT_EQ(s.workClock(), "00:01:00");
  EXPECT_EQ(s.files.openHandles, 0) << "closed after every pass, faulty or not";

  s.setLine(1, "1");
  s.advanceSeconds(1);
  s.setLine(1, "one");
  s.advanceSeconds(1);
  EXPECT_EQ(s.backend.errorBoxes.size(), 2u) << "mended and broken again is a new report";
}

TEST(SettingsReload, AMovedDocumentsFolderIsFoundOnceTheFileIsGoneFromTheOldOne) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.advanceSeconds(2);
  s.files.folders.insert("D:\\Docs\\VTR");
  s.files.write("D:\\Docs\\VTR\\Options.set", "4\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  s.shell.personal = "D:\\Docs";
  s.advanceSeconds(1);
  EXPECT_EQ(s.timersAt(4000), 0) << "the old file still serves";
  s.files.files.erase(Scenario::settingsPath());
  s.advanceSeconds(1);
  EXPECT_EQ(s.timersAt(4000), 3) << "read from the new folder";
  EXPECT_FALSE(s.files.exists(Scenario::settingsPath())) << "not recreated in the old one";
}

TEST(SettingsReload, EarlierStepsStayAppliedWhenALaterLineIsFaulty) {
  Scenario s;
  s.writeSettings("1\r\n5\r\nSilver\r\n0\r\n32768\r\nFalse\r\nMove\r\n");
  s.start();
  const int trayAdds = s.shell.trayAdds;
  s.writeSettings("3\r\n9\r\nSilver\r\n0\r\nlime\r\nTrue\r\nStay\r\n");
  s.advanceSeconds(1);
  EXPECT_EQ(s.timersAt(3000), 3);
  s.bar().HideAboveScreen();
  EXPECT_EQ(s.timersAt(9000), 1) << "the hide time";
  EXPECT_EQ(s.registry.run.count("VTR"), 0u) << "steps after the faulty line are not carried out";
  EXPECT_TRUE(s.bar().moveMode());
  EXPECT_EQ(s.backend.errorBoxes.back().text, "'lime' is not a valid integer value.");
  EXPECT_EQ(s.shell.trayAdds, trayAdds) << "a pass that stops early adds no icon";
}

TEST(SettingsReload, SkinErrorsKeepThePreviousBackground) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.advanceSeconds(1);
  const std::string folder = std::string(Scenario::settingsFolder) + "\\";
  const auto silver = component<toolkit::Image>(s.bar(), "Image1").picture();

  s.files.files.erase(folder + "olive.bmp");
  s.setLine(3, "Olive");
  s.advanceSeconds(1);
  EXPECT_EQ(s.backend.errorBoxes.back().text,
            "Cannot open file \"C:\\users\\root\\Documents\\VTR\\olive.bmp\". The system cannot find the file "
            "specified.");
  EXPECT_EQ(component<toolkit::Image>(s.bar(), "Image1").picture(), silver);
  EXPECT_EQ(s.bar().settings().colourScheme(), "Silver");

  s.files.write(folder + "olive.bmp", "BM1234");
  s.advanceSeconds(1);
  EXPECT_EQ(s.backend.errorBoxes.back().text, "Stream read error.");
  s.files.write(folder + "olive.bmp", "GIF89a, not a bitmap at all");
  s.advanceSeconds(1);
  EXPECT_EQ(s.backend.errorBoxes.back().text, "Bitmap image is not valid.");
  EXPECT_EQ(component<toolkit::Image>(s.bar(), "Image1").picture(), silver);

  s.files.write(folder + "olive.bmp", "");
  const std::size_t boxes = s.backend.errorBoxes.size();
  s.advanceSeconds(1);
  EXPECT_EQ(s.backend.errorBoxes.size(), boxes) << "an empty file is no error";
  EXPECT_TRUE(component<toolkit::Image>(s.bar(), "Image1").picture()->empty()) << "it shows an empty picture";
  EXPECT_EQ(s.bar().settings().colourScheme(), "Olive");
}

TEST(SettingsReload, AFileRefusedForAMomentIsNeitherRecreatedNorReported) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.files.heldForWriting.insert(Scenario::settingsPath());  // a companion replacing it
  s.advanceSeconds(2);
  s.files.heldForWriting.clear();
  s.setLine(1, "3");
  s.advanceSeconds(1);
  EXPECT_TRUE(s.backend.errorBoxes.empty());
  EXPECT_EQ(s.files.creations, 0) << "the file was there all along";
  EXPECT_EQ(s.timersAt(3000), 3);
}

TEST(SettingsReload, AFileThatCanBeNeitherOpenedNorCreatedIsReported) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.files.heldForWriting.insert(Scenario::settingsPath());
  s.advanceSeconds(3);
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  EXPECT_EQ(s.backend.errorBoxes[0].text, "I/O error 32.");
  s.files.heldForWriting.clear();
  s.files.files.clear();
  s.files.folders.clear();
  s.advanceSeconds(1);
  EXPECT_EQ(s.backend.errorBoxes.back().text, "Invalid filename.") << "the folder is gone";
  EXPECT_EQ(s.workClock(), "00:00:04");
}

}  // namespace
