// The bar on a desk with several monitors: which one is the bar's (the main
// one, or the one line 12 names), hiding so that no monitor shows it, and
// what the bar opens appearing on its monitor.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bar/bar_monitor.h"
#include "popups/file_error_notice.h"
#include "popups/menu_panel.h"
#include "popups/unsupported_screen_notice.h"
#include "started_program.h"
#include "toolkit/scaling.h"

namespace {

using toolkit::Monitor;
using toolkit::Rect;

Monitor monitor(int left, int top, int width, int height, const char* name, int dpi = 96) {
  const Rect full = Rect::fromBounds(left, top, width, height);
  return {full, full, dpi, name};
}

bool onAnyMonitor(const std::vector<Monitor>& monitors, const Rect& r) {
  for (const Monitor& m : monitors)
    if (!m.full.intersect(r).empty()) return true;
  return false;
}

// Hidden means on no monitor, whatever lies around the bar's: the rule
// checked over desks a user may have, the bar at the top-left corner of
// each of their monitors, at 100 and 150 %.
TEST(BarMonitorRules, AHiddenBarLiesOnNoMonitorAndAboveItsOwnWhereNothingIsThere) {
  const Monitor main = monitor(0, 0, 1920, 1080, "\\\\.\\DISPLAY1");
  const std::vector<std::pair<const char*, std::vector<Monitor>>> desks{
      {"alone", {main}},
      {"above", {main, monitor(0, -1024, 1280, 1024, "\\\\.\\DISPLAY2")}},
      {"above, to the right of the bar's end", {main, monitor(1920, -1024, 1280, 1024, "\\\\.\\DISPLAY2")}},
      {"above, overlapping the bar's end", {main, monitor(1500, -900, 1600, 900, "\\\\.\\DISPLAY2")}},
      {"below", {main, monitor(0, 1080, 1280, 1024, "\\\\.\\DISPLAY2")}},
      {"left, taller", {main, monitor(-1280, -200, 1280, 1400, "\\\\.\\DISPLAY2")}},
      {"right", {main, monitor(1920, 0, 2560, 1440, "\\\\.\\DISPLAY2", 144)}},
      {"three in a column", {main, monitor(0, -1080, 1920, 1080, "\\\\.\\DISPLAY2"),
                             monitor(0, 1080, 1920, 1080, "\\\\.\\DISPLAY3")}},
  };
  for (const auto& [desk, monitors] : desks) {
    for (const Monitor& own : monitors) {
      for (const int height : {25, 38}) {
        SCOPED_TRACE(std::string(desk) + ", the bar on " + own.name + ", " + std::to_string(height) + " high");
        const Rect shown = Rect::fromBounds(own.full.left, own.full.top, own.full.width(), height);
        const int top = veltrana::hiddenTop(monitors, own, shown, height);
        const Rect hidden = Rect::fromBounds(shown.left, top, shown.width(), height);
        EXPECT_FALSE(onAnyMonitor(monitors, hidden)) << "hidden at " << top;
        const Rect rightAbove = Rect::fromBounds(shown.left, own.full.top - height, shown.width(), height);
        if (!onAnyMonitor(monitors, rightAbove)) {
          EXPECT_EQ(top, own.full.top - height) << "its own height above its monitor, as with one monitor";
        }
      }
    }
  }
}

TEST(BarMonitorRules, TheNamedMonitorInAnyCaseElseTheMainOne) {
  const std::vector<Monitor> monitors{monitor(0, 0, 1920, 1080, "\\\\.\\DISPLAY1"),
                                      monitor(-1280, 0, 1280, 1024, "\\\\.\\DISPLAY2")};
  EXPECT_EQ(veltrana::monitorNamed(monitors, "")->name, "\\\\.\\DISPLAY1");
  EXPECT_EQ(veltrana::monitorNamed(monitors, "\\\\.\\display2")->name, "\\\\.\\DISPLAY2") << "Windows' names ignore case";
  EXPECT_EQ(veltrana::monitorNamed(monitors, "\\\\.\\DISPLAY3")->name, "\\\\.\\DISPLAY1") << "not connected: the main one";
  EXPECT_EQ(veltrana::monitorNamed(monitors, " \\\\.\\DISPLAY2")->name, "\\\\.\\DISPLAY1") << "a name is taken as it stands";
  EXPECT_FALSE(veltrana::monitorNamed({}, ""));
}

constexpr char stay[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n";

std::string withLines(const std::string& fit, const std::string& monitorName, const std::string& switches = "\r\n\r\n\r\n") {
  return stay + fit + "\r\n" + switches + monitorName + "\r\n";
}

// A desk of a main monitor and others, the bar started on it with a file.
struct Desk : fakes::Scenario {
  Desk(int width, int height, std::vector<Monitor> others, const std::string& settings, int dpi = 96)
      : Scenario(width, height, dpi) {
    for (const Monitor& m : others) backend.addMonitor(m.full, m.dpi);
    writeSettings(settings);
    start();
  }
  const Rect& where() { return program->bar().bounds(); }
  bool onAnyMonitor(const Rect& r) { return ::onAnyMonitor(backend.monitorList, r); }
  int noticesShown() { return backend.windowOf(program->unsupportedScreenNotice())->modalRuns; }
};

TEST(TwoMonitors, AFittedBarHiddenUnderAMonitorAboveShowsOnNeitherAndKeepsItsPlan) {
  for (const bool moveMode : {false, true}) {
    SCOPED_TRACE(moveMode ? "hidden by the pointer in move mode" : "hidden by a click");
    Desk s(1920, 1080, {monitor(0, -1024, 1280, 1024, "")},
           moveMode ? withLines("Fit", "").replace(std::string(stay).find("Stay"), 4, "Move") : withLines("Fit", ""));
    s.advanceSeconds(1);
    ASSERT_EQ(s.where(), Rect::fromBounds(0, 0, 1920, 25));
    if (moveMode)
      s.program->bar().mouseMove({70, 10});  // over the date's hot zone
    else
      click(s.program->bar(), {1840, 12});  // the background before the work clock
    for (int second = 0; second < 4; ++second) {
      EXPECT_FALSE(s.onAnyMonitor(s.where())) << "second " << second << ": " << s.where().top;
      EXPECT_EQ(s.where().width(), 1920) << "laid out for its own monitor, never the one it passed over";
      s.advanceSeconds(1);
    }
    s.advanceSeconds(1);
    EXPECT_EQ(s.where(), Rect::fromBounds(0, 0, 1920, 25)) << "back where it was";
  }
}

TEST(TwoMonitors, TheNoticesComeOnTheBarsMonitorAtItsScale) {
  // No layout without Fit for 1366x768: the notice, centred on that monitor at 150 %.
  Desk unsupported(1280, 1024, {monitor(1280, 0, 1366, 768, "", 144)}, withLines("", "\\\\.\\DISPLAY2"));
  unsupported.advanceSeconds(2);
  ASSERT_EQ(unsupported.noticesShown(), 1);
  const Rect notice = unsupported.program->unsupportedScreenNotice().bounds();
  EXPECT_EQ(notice.width(), toolkit::scaled(337, 1.5));
  EXPECT_EQ(notice.left, 1280 + (1366 - notice.width()) / 2);
  EXPECT_EQ(notice.top, (768 - notice.height()) / 2);

  // The main monitor without a layout, another to its left: on the main one
  // (x 791), not in the middle of the whole desktop (x 151).
  Desk mainOnly(1920, 1080, {monitor(-1280, 0, 1280, 1024, "")}, withLines("", ""));
  mainOnly.advanceSeconds(2);
  ASSERT_EQ(mainOnly.noticesShown(), 1);
  EXPECT_EQ(mainOnly.program->unsupportedScreenNotice().bounds().left, 791);

  // Without the settings folder: the file-error notice, centred on the main
  // monitor (line 12 is never read).
  fakes::Scenario missing(1920, 1080);
  missing.backend.addMonitor(Rect::fromBounds(-1280, 0, 1280, 1024));
  missing.files.folders.clear();
  missing.start();
  EXPECT_EQ(missing.program->fileErrorNotice().bounds().left, (1920 - 249) / 2);
}

// A laptop taken from its dock and docked again: the bar goes to the main
// monitor while the named one is gone, and back when it comes, shown or
// hidden as it was, laid out for each in turn.
TEST(TwoMonitors, ANamedMonitorThatGoesAndComesBackTakesTheBarAlong) {
  Desk s(1280, 1024, {monitor(1280, 0, 1920, 1080, "")}, withLines("Fit", "\\\\.\\DISPLAY2"));
  EXPECT_EQ(s.where(), Rect::fromBounds(1280, 0, 1920, 25));
  const Monitor docked = s.backend.monitorList.back();
  s.backend.monitorList.pop_back();
  s.advanceSeconds(1);
  EXPECT_EQ(s.where(), Rect::fromBounds(0, 0, 1280, 25)) << "on the main monitor, in its layout";
  s.program->bar().HideAboveScreen();
  s.backend.monitorList.push_back(docked);
  s.advanceSeconds(1);
  EXPECT_EQ(s.where().left, 1280) << "followed, still hidden";
  EXPECT_FALSE(s.onAnyMonitor(s.where()));
  s.advanceSeconds(4);
  EXPECT_EQ(s.where(), Rect::fromBounds(1280, 0, 1920, 25)) << "and back on it when the hide time is over";
  EXPECT_EQ(s.noticesShown(), 0);
}

TEST(TwoMonitors, StepsAsideAndReservesOnItsOwnMonitorOnly) {
  Desk s(1280, 1024, {monitor(-1280, 0, 1280, 1024, "")}, withLines("", "\\\\.\\DISPLAY2", "Yield\r\nReserve\r\n\r\n"));
  s.advanceSeconds(1);
  auto& window = *s.backend.windowOf(s.program->bar());
  s.backend.foreground = toolkit::ForegroundWindow{0x77, Rect::fromBounds(0, 0, 1280, 1024)};
  s.advanceSeconds(1);
  EXPECT_TRUE(window.topmost) << "a full-screen program on the main monitor is not in the bar's way";
  s.backend.foreground = toolkit::ForegroundWindow{0x77, Rect::fromBounds(-1280, 0, 1280, 1024)};
  s.advanceSeconds(1);
  EXPECT_FALSE(window.topmost) << "one on the bar's monitor is";
  const platform::ScreenStrip strip = s.shell.strips.at(s.program->bar().nativeHandle());
  EXPECT_EQ(strip, (platform::ScreenStrip{-1280, 0, 0, 25})) << "that monitor's top, as wide as the bar";
}

}  // namespace
