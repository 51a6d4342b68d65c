// Failure reports stay in bounds whatever a faulty settings file does: one box
// open at a time, no box larger than the screen, and no exception that takes
// the bar down.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "support/scenario.h"

namespace {

using fakes::component;

using fakes::Scenario;


TEST(ErrorReports, AFileThatChangesEveryPassOpensOneBoxWhileNobodyAnswers) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.setLine(1, "bad0");
  int boxesOpenAtOnce = 0;
  int open = 0;
  s.backend.duringErrorBox = [&] {
    boxesOpenAtOnce = std::max(boxesOpenAtOnce, ++open);
    if (s.backend.errorBoxes.size() == 1) {
      // Nobody answers for an hour while a companion rewrites line 1 every second.
      for (int i = 1; i <= 3600; ++i) {
        s.setLine(1, "bad" + std::to_string(i));
        s.advanceSeconds(1);
      }
    }
    --open;
  };
  s.advanceSeconds(1);
  EXPECT_EQ(boxesOpenAtOnce, 1);
  ASSERT_EQ(s.backend.errorBoxes.size(), 2u) << "the first, then the latest failure once it was answered";
  EXPECT_EQ(s.backend.errorBoxes[0].text, "'bad0' is not a valid integer value.");
  EXPECT_EQ(s.backend.errorBoxes[1].text, "'bad3600' is not a valid integer value.");
  EXPECT_EQ(s.workClock(), "01:00:01") << "the bar ran on under the box";

  s.setLine(1, "2");
  s.advanceSeconds(1);
  EXPECT_EQ(s.timersAt(2000), 3) << "a mended file is applied again";
  EXPECT_EQ(s.backend.errorBoxes.size(), 2u);
}

TEST(ErrorReports, AFailureGoneBeforeTheBoxIsAnsweredIsNotShownAfterIt) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.setLine(1, "bad");
  s.backend.duringErrorBox = [&] {
    s.setLine(2, "worse");
    s.advanceSeconds(1);
    s.writeSettings(fakes::defaultSettings);
    s.advanceSeconds(1);
  };
  s.advanceSeconds(1);
  EXPECT_EQ(s.backend.errorBoxes.size(), 1u);
}

TEST(ErrorReports, AHugeLineIsQuotedByItsStartAndTheNextFileIsApplied) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.files.readPiece = 1 << 16;
  const std::string huge(50 << 20, '7');
  s.writeSettings(huge + "\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  const std::uint64_t before = s.files.bytesRead;
  s.advanceSeconds(3);
  EXPECT_EQ(s.files.bytesRead - before, std::uint64_t{1} << 16) << "read once, as far as the line is no number";
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  EXPECT_EQ(s.backend.errorBoxes[0].text, "'" + huge.substr(0, 60) + "\u2026' is not a valid integer value.");

  s.writeSettings("3\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nMove\r\n");
  s.advanceSeconds(1);
  EXPECT_EQ(s.timersAt(3000), 3);
  EXPECT_TRUE(component<toolkit::Shape>(s.bar(), "Shape1").visible());
}

TEST(ErrorReports, RunningOutOfMemoryInAPassIsReportedAndTheBarTicksOn) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.files.onRead = [] { throw std::bad_alloc(); };
  s.advanceSeconds(5);
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  EXPECT_EQ(s.backend.errorBoxes[0].text, "Out of memory.");
  EXPECT_EQ(s.files.openHandles, 0) << "the file is closed on the way out";
  EXPECT_EQ(s.workClock(), "00:00:05");

  s.files.onRead = nullptr;
  s.setLine(1, "4");
  s.advanceSeconds(1);
  EXPECT_EQ(s.timersAt(4000), 3);
}

TEST(ErrorReports, AnExceptionEscapingAnyHandlerIsReportedOnceAndTheBarGoesOn) {
  Scenario s;
  s.writeSettings(fakes::defaultSettings);
  s.start();
  s.systemInfo.onToday = [] { throw std::runtime_error("Readout failed"); };
  s.advanceSeconds(10);
  ASSERT_EQ(s.backend.errorBoxes.size(), 1u);
  EXPECT_EQ(s.backend.errorBoxes[0].text, "Readout failed.");
  EXPECT_EQ(s.backend.errorBoxes[0].title, "Veltrana");
  EXPECT_EQ(s.workClock(), "00:00:10");
}

}  // namespace
