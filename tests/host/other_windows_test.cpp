// The bar among other programs' windows: stepping aside for a program that
// runs full-screen (line 9), and reserving its strip (line 10).
#include <gtest/gtest.h>

#include "started_program.h"

namespace {

using toolkit::ForegroundWindow;
using toolkit::Rect;

constexpr char settingsWith[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n\r\n";
constexpr std::uintptr_t player = 0x77;

struct AmongWindows : fakes::Scenario {
  explicit AmongWindows(const std::string& line9, const std::string& line10 = "", int width = 1280, int height = 1024)
      : Scenario(width, height) {
    writeSettings(settingsWith + line9 + "\r\n" + line10 + "\r\n");
    start();
  }
  fakes::FakeWindow& window() { return *backend.windowOf(bar()); }
  void inFront(const ForegroundWindow& w) { backend.foreground = w; }
  ForegroundWindow fullScreen(std::uintptr_t handle = player) { return {handle, Rect::fromBounds(0, 0, 1280, 1024)}; }
};

TEST(StepAside, BelowAFullScreenProgramAndBackOnTopWithinASecondOfItsGoing) {
  AmongWindows s("Yield");
  s.advanceSeconds(1);
  EXPECT_TRUE(s.window().topmost);
  s.inFront(s.fullScreen());
  s.advanceSeconds(1);
  EXPECT_FALSE(s.window().topmost);
  EXPECT_EQ(s.window().behind, player) << "right below it";
  s.advanceSeconds(10);
  EXPECT_EQ(s.window().stepsBehind, 1) << "placed once while the order stays";
  s.window().behind = 0;  // lifted by an activation of the bar's own windows
  s.advanceSeconds(1);
  EXPECT_EQ(s.window().behind, player) << "below it again";

  s.bar().HideAboveScreen();
  ForegroundWindow smaller = s.fullScreen();
  smaller.bounds = Rect::fromBounds(0, 0, 1280, 1000);
  s.inFront(smaller);
  s.advanceSeconds(1);
  EXPECT_TRUE(s.window().topmost) << "made smaller";
  EXPECT_EQ(s.bar().bounds().top, -25) << "where it was, hidden";

  for (auto gone : {std::optional<ForegroundWindow>{}, std::optional<ForegroundWindow>{ForegroundWindow{}}}) {
    s.inFront(s.fullScreen());
    s.advanceSeconds(1);
    EXPECT_FALSE(s.window().topmost);
    s.backend.foreground = gone;  // closed, or another window in front
    s.advanceSeconds(1);
    EXPECT_TRUE(s.window().topmost);
  }
  ForegroundWindow minimised = s.fullScreen();
  minimised.minimised = true;
  s.inFront(minimised);
  s.advanceSeconds(1);
  EXPECT_TRUE(s.window().topmost);
}

TEST(StepAside, OnlyForAProgramThatCoversTheBarsMonitor) {
  AmongWindows s("Yield");
  s.backend.addMonitor(Rect::fromBounds(1280, 0, 1920, 1080));
  std::vector<std::pair<const char*, ForegroundWindow>> never;
  for (const char* what : {"the desktop", "the bar's own window", "a maximised window", "the other monitor"}) {
    ForegroundWindow w = s.fullScreen();
    const std::string name = what;
    if (name == "the desktop") w.shellOrDesktop = true;
    if (name == "the bar's own window") w.ours = true;
    if (name == "a maximised window") {
      w.maximised = true;
      w.bounds = Rect::fromBounds(-4, -4, 1288, 1032);
    }
    if (name == "the other monitor") w.bounds = Rect::fromBounds(1280, 0, 1920, 1080);
    never.push_back({what, w});
  }
  for (const auto& [what, w] : never) {
    s.inFront(w);
    s.advanceSeconds(2);
    EXPECT_TRUE(s.window().topmost) << what;
  }
}

TEST(StepAside, NeverWithoutLine9AndAtOnceWhenItIsTurnedOff) {
  AmongWindows plain("yield");
  plain.inFront(plain.fullScreen());
  plain.advanceSeconds(3);
  EXPECT_TRUE(plain.window().topmost) << "always on top, as made";

  AmongWindows s("Yield");
  s.inFront(s.fullScreen());
  s.advanceSeconds(1);
  ASSERT_FALSE(s.window().topmost);
  s.setLine(9, "");
  s.advanceSeconds(1);
  EXPECT_TRUE(s.window().topmost);
}

TEST(ReserveStrip, AsTallAsTheBarWhileTheLineSaysSoAndGivenBackOnEveryWayOut) {
  AmongWindows s("", "Reserve");
  const auto handle = s.bar().nativeHandle();
  s.advanceSeconds(1);
  ASSERT_EQ(s.shell.strips.count(handle), 1u);
  EXPECT_EQ(s.shell.strips.at(handle), (platform::ScreenStrip{0, 0, 1280, 25}));
  s.bar().HideAboveScreen();
  s.advanceSeconds(1);
  EXPECT_EQ(s.shell.strips.at(handle), (platform::ScreenStrip{0, 0, 1280, 25})) << "hidden, the strip stays";
  const int requests = s.shell.stripRequests;
  s.advanceSeconds(10);
  EXPECT_EQ(s.shell.stripRequests, requests) << "the same strip is not asked for again";

  s.shell.strips.clear();  // the shell started anew
  s.advanceSeconds(1);
  EXPECT_EQ(s.shell.strips.count(handle), 1u) << "registered again";
  s.setLine(3, "255");
  s.advanceSeconds(1);
  EXPECT_EQ(s.shell.strips.at(handle).bottom, 25) << "a plain colour keeps the bar, and its strip, 25 high";
  s.setLine(10, "");
  s.advanceSeconds(1);
  EXPECT_EQ(s.shell.strips.count(handle), 0u) << "turned off";

  s.setLine(10, "Reserve");
  s.advanceSeconds(1);
  EXPECT_EQ(s.shell.strips.count(handle), 1u);
  s.program->application().terminate(0);
  EXPECT_TRUE(s.shell.strips.empty()) << "given back when the program ends";
}

TEST(ReserveStrip, ScaledWithFittingAndNoneOnAScreenWithoutALayout) {
  fakes::Scenario fitted(1920, 1080, 144);
  fitted.writeSettings(settingsWith);
  fitted.setLine(8, "Fit");
  fitted.setLine(10, "Reserve");
  fitted.start();
  fitted.advanceSeconds(1);
  EXPECT_EQ(fitted.shell.strips.at(fitted.bar().nativeHandle()), (platform::ScreenStrip{0, 0, 1920, 38}));

  AmongWindows unsupported("", "Reserve", 1366, 768);
  unsupported.advanceSeconds(3);
  EXPECT_TRUE(unsupported.shell.strips.empty());
}

// The reload pass skips a file that has not changed, Run value and all: a
// value another program removed stays removed until the file changes, and is
// written back within a second of that.
TEST(Autostart, AValueRemovedByAnotherProgramComesBackWhenTheFileNextChanges) {
  AmongWindows s("");
  s.advanceSeconds(1);
  ASSERT_EQ(s.registry.run.count("VTR"), 1u);
  s.registry.run.erase("VTR");
  const int reads = s.registry.reads;
  s.advanceSeconds(10);
  EXPECT_EQ(s.registry.run.count("VTR"), 0u) << "left as the user's other tool left it";
  EXPECT_EQ(s.registry.reads, reads) << "not even looked at";
  s.setLine(2, "6");
  s.advanceSeconds(1);
  EXPECT_EQ(s.registry.run.count("VTR"), 1u);
}

}  // namespace
