// The bar as users first meet it, on every kind of screen: whatever the
// start-up settings pass has to report is left open well past the second in
// which the unsupported-screen notice would come, then answered.
#include <gtest/gtest.h>

#include <string>

#include "popups/file_error_notice.h"
#include "popups/unsupported_screen_notice.h"
#include "support/scenario.h"
#include "toolkit/scaling.h"

namespace {

using toolkit::Rect;

enum class Start { noFolder, faultyLine, unicodeFile, missingSkin };

struct Screen {
  const char* name;
  int width, height, dpi;
  bool madeFor;  // laid out as made, Fit or not
  bool fits;     // laid out with Fit on
};

std::string utf16(const std::string& text) {
  std::string wide = "\xFF\xFE";
  for (char c : text) wide += {c, '\0'};
  return wide;
}

// With `fit`, every optional switch is on beside it: each meets the start-up
// reports as fitting does.
std::string settings(const char* line3, bool fit) {
  return std::string("1\r\n5\r\n") + line3 + "\r\n0\r\n32768\r\nTrue\r\nStay\r\n" +
         (fit ? "Fit\r\nYield\r\nReserve\r\nMatch\r\n" : "\r\n");
}

void prepare(fakes::Scenario& s, Start start, bool fit) {
  switch (start) {
    case Start::noFolder:
      s.files.folders.clear();
      s.files.files.clear();
      break;
    case Start::faultyLine: s.writeSettings(settings("silverr", fit)); break;
    case Start::unicodeFile: s.writeSettings(utf16(settings("Silver", fit))); break;
    case Start::missingSkin:
      s.files.files.erase(std::string(fakes::Scenario::settingsFolder) + "\\silver.bmp");
      s.writeSettings(settings("Silver", fit));
      break;
  }
}

const char* nameOf(Start start) {
  constexpr const char* names[] = {"no settings folder", "a faulty line 3", "a file saved as Unicode", "no silver.bmp"};
  return names[static_cast<int>(start)];
}

TEST(StartupStates, NeverReachAMissingWindowAndEndWithTheBarOrTheNotice) {
  const Screen screens[] = {{"1280x1024", 1280, 1024, 96, true, true},
                            {"1920x1080 at 150 %", 1920, 1080, 144, false, true},
                            {"1600x900 at 200 %", 1600, 900, 192, false, false}};
  for (const Screen& screen : screens) {
    for (Start start : {Start::noFolder, Start::faultyLine, Start::unicodeFile, Start::missingSkin}) {
      for (bool fit : {false, true}) {
        SCOPED_TRACE(std::string(screen.name) + ", " + nameOf(start) + (fit ? ", Fit" : ""));
        fakes::Scenario s(screen.width, screen.height, screen.dpi);
        prepare(s, start, fit);
        // The box, and the file-error notice, stay open for 8 s; the notice
        // then loses the focus to another window, which closes it.
        s.backend.duringErrorBox = [&s] { s.advanceSeconds(8); };
        s.backend.duringModal = [&s] { s.advanceSeconds(8); };
        veltrana::Program& program = s.start();
        s.advanceSeconds(3);

        const bool fitRead = fit && start != Start::noFolder && start != Start::unicodeFile;
        const bool laidOut = screen.madeFor || (screen.fits && fitRead);
        ASSERT_EQ(s.backend.errorBoxes.size(), 1u) << "one report";
        EXPECT_EQ(s.backend.windowOf(program.fileErrorNotice())->modalRuns, start == Start::noFolder ? 1 : 0);
        EXPECT_TRUE(s.backend.windowOf(s.bar())->visible) << "the bar stays on the screen";
        const int notices = s.backend.windowOf(program.unsupportedScreenNotice())->modalRuns;
        EXPECT_EQ(notices, laidOut ? 0 : 1) << "the notice, once, after the report is answered";
        if (notices) {
          const double scale = static_cast<double>(screen.dpi) / veltrana::designDpi;
          const Rect notice = program.unsupportedScreenNotice().bounds();
          EXPECT_EQ(notice.width(), toolkit::scaled(337, scale)) << "at the monitor's scale";
          EXPECT_EQ(notice.height(), toolkit::scaled(137, scale));
        }
        const bool running = laidOut && start != Start::noFolder;
        EXPECT_EQ(s.backend.scheduledTimers() > 0, running) << "the bar runs, or waits stopped";
      }
    }
  }
}

// Fitted, a running bar whose screen becomes one it has no plan for stops as
// it would have started there; without Fit it keeps its last layout.
TEST(StartupStates, AFittedBarThatLosesItsScreenShowsTheNoticeAsOnAStart) {
  for (bool fit : {true, false}) {
    fakes::Scenario s(fit ? 1920 : 1280, fit ? 1080 : 1024, fit ? 144 : 96);
    s.writeSettings(settings("Silver", fit));
    veltrana::Program& program = s.start();
    s.advanceSeconds(2);
    s.backend.setScreen(800, 600, fit ? 144 : 96);
    s.advanceSeconds(3);
    const Rect notice = program.unsupportedScreenNotice().bounds();
    EXPECT_EQ(s.backend.windowOf(program.unsupportedScreenNotice())->modalRuns, fit ? 1 : 0) << fit;
    // Drawn at the scale of its monitor, 150 %: 337 pixels wide as designed.
    if (fit) {
      EXPECT_EQ(notice.width(), toolkit::scaled(337, 1.5));
    }
    EXPECT_EQ(s.backend.scheduledTimers() > 0, !fit) << "without Fit every timer runs on, the last layout kept";
  }
}

}  // namespace
