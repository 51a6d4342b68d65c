#include <gtest/gtest.h>

#include "support/scenario.h"
#include "windows/unsupported_screen_notice.h"
#include "windows/file_error_notice.h"
#include "windows/menu_panel.h"

namespace {

using fakes::Scenario;

constexpr char defaults7[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
constexpr char stay7[] = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nStay\r\n";

toolkit::Point centreOf(const toolkit::Control& c) { return {c.left() + c.width() / 2, c.top() + c.height() / 2}; }

void click(toolkit::Form& form, toolkit::Point p) {
  form.mouseDown(p);
  form.mouseUp(p);
}

void click(toolkit::Control& c) { click(c.form(), centreOf(c)); }

struct Started : Scenario {
  explicit Started(const char* settings = stay7, int width = 1280, int height = 1024) : Scenario(width, height) {
    writeSettings(settings);
    start();
  }
  int top() { return bar().bounds().top; }
};

TEST(HideAndReturn, AClickOnTheBackgroundHidesTheBarForTheHideTime) {
  Started s;
  click(s.bar(), {1190, 12});  // bare background
  EXPECT_EQ(s.top(), -25);
  EXPECT_TRUE(s.bar().Timer3.enabled());
  s.advanceMs(2000);
  click(s.bar().Label3);  // a second trigger while hidden: the countdown goes on
  s.advanceMs(2999);
  EXPECT_EQ(s.top(), -25);
  s.advanceMs(1);
  EXPECT_EQ(s.top(), 0) << "back at 0: the requested 2 snaps to the edge";
  EXPECT_FALSE(s.bar().Timer3.enabled());
}

TEST(HideAndReturn, EveryTextButTheDayHidesTheBarAndNothingElseDoes) {
  Started s;
  auto& bar = s.bar();
  for (toolkit::Label* label : bar.captionLabels()) {
    click(*label);
    EXPECT_EQ(s.top(), label == &bar.Label1 ? 0 : -25) << label->name();
    bar.Timer3Timer();
  }
  for (toolkit::Label* label : bar.valueLabels()) {
    click(*label);
    EXPECT_EQ(s.top(), -25) << label->name();
    bar.Timer3Timer();
  }
  for (toolkit::Control* quiet : std::initializer_list<toolkit::Control*>{
           &bar.RamGauge, &bar.Gauge1, &bar.SpeedButton1, &bar.SpeedButton2, &bar.SpeedButton3, &bar.SpeedButton4,
           &bar.SpeedButton5, &bar.SpeedButton11}) {
    click(*quiet);
    EXPECT_EQ(s.top(), 0) << quiet->name();
  }
}

TEST(HideAndReturn, APlainColourBackgroundTakesNoClick) {
  Started s("1\r\n5\r\n255\r\n0\r\n32768\r\nTrue\r\nStay\r\n");
  click(s.bar(), {1190, 12});
  EXPECT_EQ(s.top(), 0);
  click(s.bar().Label14);
  EXPECT_EQ(s.top(), -25);
}

TEST(HideAndReturn, ANewHideTimeRestartsTheCountdownAtThePassThatReadsIt) {
  Started s(defaults7);
  s.advanceMs(500);
  s.bar().HideAboveScreen();
  s.advanceMs(2000);
  s.setLine(2, "10");
  s.advanceMs(1000);  // the pass at 3 s reads it and restarts the countdown: back at 13 s
  s.advanceMs(9499);
  EXPECT_EQ(s.top(), -25);
  s.advanceMs(1);
  EXPECT_EQ(s.top(), 0);
}

TEST(HideAndReturn, HideTimeZeroKeepsTheBarHiddenUntilItChanges) {
  Started s(defaults7);
  s.setLine(2, "0");
  s.advanceSeconds(1);
  s.bar().HideAboveScreen();
  EXPECT_EQ(s.top(), -25) << "a hide still moves the bar up";
  s.advanceSeconds(100);
  EXPECT_EQ(s.top(), -25);
  s.setLine(2, "3");
  s.advanceMs(1000);
  s.advanceMs(2999);
  EXPECT_EQ(s.top(), -25);
  s.advanceMs(1);
  EXPECT_EQ(s.top(), 0) << "one full new hide time after the pass";
}

TEST(MoveMode, HotZonesHideTheBarOnPointerMovementOnlyInMoveMode) {
  Started s(stay7);
  auto& bar = s.bar();
  const toolkit::Point date{70, 10}, ram{300, 10}, cpu{800, 10}, clock{1230, 10}, buttons{628, 10};
  for (toolkit::Point p : {date, ram, cpu, clock}) {
    bar.mouseMove(p);
    EXPECT_EQ(s.top(), 0) << "move mode off at " << p.x;
  }
  s.setLine(7, "Move");
  s.advanceSeconds(1);
  for (toolkit::Point p : {date, ram, cpu, clock}) {
    bar.mouseMove(p);
    EXPECT_EQ(s.top(), -25) << "move mode on at " << p.x;
    bar.Timer3Timer();
  }
  bar.mouseMove(buttons);
  EXPECT_EQ(s.top(), 0) << "no zone lies over the buttons";

  click(bar, centreOf(bar.Label17));
  EXPECT_EQ(s.top(), 0) << "a click on a text under a zone reaches the zone, which has no click";
}

TEST(MoveMode, AfterASwitchTo1024TheProcessorZoneCoversTheLayoutButton) {
  Started s(defaults7);
  s.advanceSeconds(1);
  s.backend.setScreen(1024, 768);
  s.advanceSeconds(1);
  auto& bar = s.bar();
  EXPECT_EQ(bar.Image5.bounds(), toolkit::Rect::fromBounds(732, 0, 265, 25));
  EXPECT_EQ(bar.controlAt(centreOf(bar.SpeedButton11)), &bar.Image5);
  bar.mouseMove(centreOf(bar.SpeedButton11));
  EXPECT_EQ(s.top(), -25);
}

TEST(BarButtons, EachMakesItsOneRequestAndNothingElse) {
  Started s;
  auto& bar = s.bar();
  const auto handle = bar.nativeHandle();
  click(bar.SpeedButton1);
  click(bar.SpeedButton2);
  ASSERT_EQ(s.multimedia.commands.size(), 2u);
  EXPECT_EQ(s.multimedia.commands[0], (std::pair<std::string, platform::WindowHandle>{"Set cdaudio door open wait", handle}));
  EXPECT_EQ(s.multimedia.commands[1].first, "Set cdaudio door closed wait");

  click(bar.SpeedButton3);
  click(bar.SpeedButton4);
  click(bar.SpeedButton5);
  click(bar.SpeedButton11);
  EXPECT_EQ(s.session.requests, (std::vector<std::string>{"privilege", "exit 2", "privilege", "exit 8", "privilege",
                                                          "exit 0", "next layout"}));
  EXPECT_FALSE(bar.MyExitWindows(2)) << "refused by the system";
  s.session.accepts = true;
  EXPECT_TRUE(bar.MyExitWindows(0));

  EXPECT_EQ(s.top(), 0);
  EXPECT_TRUE(s.backend.errorBoxes.empty()) << "no button shows a message";
  EXPECT_FALSE(s.backend.exitCode);
}

TEST(MenuPanel, TheMagicButtonShowsItWithTheFocusOnOptions) {
  Started s;
  auto& panel = s.program->menuPanel();
  EXPECT_FALSE(panel.Timer1.enabled()) << "stopped while hidden";
  click(s.bar().SpeedButton6);
  EXPECT_TRUE(panel.visible());
  EXPECT_TRUE(panel.active());
  EXPECT_EQ(panel.bounds(), toolkit::Rect::fromBounds(5, 27, 177, 185));
  EXPECT_EQ(panel.focusedControl(), &panel.BitBtn1);
  EXPECT_TRUE(panel.Timer1.enabled()) << "started when the panel became active";
  EXPECT_EQ(panel.Timer1.interval(), 10u);

  panel.keyDown(toolkit::Key::tab);
  EXPECT_EQ(panel.focusedControl(), &panel.BitBtn3);
  panel.keyDown(toolkit::Key::tab);
  panel.keyDown(toolkit::Key::tab);
  EXPECT_EQ(panel.focusedControl(), &panel.BitBtn5) << "tab order: Options, About, Help, Exit";
  click(s.bar().SpeedButton6);
  EXPECT_EQ(panel.focusedControl(), &panel.BitBtn1) << "shown again, the focus goes back to Options";
}

TEST(MenuPanel, HidesWhenThePointerLeavesTheCornerOrAnotherWindowIsActive) {
  Started s;
  auto& panel = s.program->menuPanel();
  click(s.bar().SpeedButton6);
  s.backend.cursor = {230, 230};
  s.advanceMs(50);
  EXPECT_TRUE(panel.visible());
  s.backend.cursor = {-300, -40};
  s.advanceMs(50);
  EXPECT_TRUE(panel.visible()) << "a monitor left of and above the primary one";
  s.backend.cursor = {231, 10};
  s.advanceMs(10);
  EXPECT_FALSE(panel.visible());
  s.advanceMs(10);
  EXPECT_FALSE(panel.Timer1.enabled()) << "stopped within a tick of hiding";

  click(s.bar().SpeedButton6);
  s.backend.cursor = {10, 231};
  s.advanceMs(10);
  EXPECT_FALSE(panel.visible());

  click(s.bar().SpeedButton6);
  s.backend.cursor = {10, 10};
  s.backend.activate(nullptr);  // the user clicks another program
  s.advanceMs(10);
  EXPECT_FALSE(panel.visible());
  EXPECT_FALSE(panel.Timer1.enabled());
}

TEST(MenuPanel, OpensCompanionFilesFromTheExecutableFolder) {
  Started s;
  s.shell.program = "C:\\Tools\\Bar\\prog.exe";
  auto& panel = s.program->menuPanel();
  click(s.bar().SpeedButton6);
  click(panel.BitBtn1);
  click(panel.BitBtn3);
  EXPECT_TRUE(panel.visible()) << "Options and About leave the panel";
  click(panel.BitBtn4);
  EXPECT_FALSE(panel.visible()) << "Help closes it";
  ASSERT_EQ(s.shell.opened.size(), 3u);
  EXPECT_EQ(s.shell.opened[0].second, "C:\\Tools\\Bar\\Options.exe");
  EXPECT_EQ(s.shell.opened[1].second, "C:\\Tools\\Bar\\About.exe");
  EXPECT_EQ(s.shell.opened[2].second, "C:\\Tools\\Bar\\About.html");
  EXPECT_EQ(s.shell.opened[0].first, panel.nativeHandle());
}

TEST(MenuPanel, FindsTheCompanionsBesideTheProgramWhereverItIs) {
  for (const auto& [program, options] : std::vector<std::pair<std::string, std::string>>{
           {"C:\\prog.exe", "C:\\Options.exe"}, {"\\\\server\\share\\prog.exe", "\\\\server\\share\\Options.exe"}}) {
    Started s;
    s.shell.program = program;
    click(s.bar().SpeedButton6);
    click(s.program->menuPanel().BitBtn1);
    ASSERT_EQ(s.shell.opened.size(), 1u);
    EXPECT_EQ(s.shell.opened[0].second, options);
  }
}

TEST(Ending, ExitAndTheNoticeButtonsEndInOrderWithCodeZero) {
  {
    Started s(defaults7);
    EXPECT_EQ(s.shell.trayIcons.size(), 1u);
    click(s.bar().SpeedButton6);
    click(s.program->menuPanel().BitBtn5);
    EXPECT_EQ(s.backend.exitCode, 0);
    EXPECT_TRUE(s.shell.trayIcons.empty()) << "the bar's destroy handler removed the icon";
  }
  {
    Started s;
    click(s.program->unsupportedScreenNotice().Button1);
    EXPECT_EQ(s.backend.exitCode, 0);
  }
  {
    Started s;
    auto& notice = s.program->fileErrorNotice();
    click(notice.SpeedButton1);
    EXPECT_EQ(s.backend.exitCode, 0);
  }
}

TEST(Notices, TheFileErrorNoticeClosesWhenItLosesTheActivation) {
  Scenario s;
  s.files.folders.clear();
  bool closedByDeactivation = false;
  s.backend.duringModal = [&] {
    s.backend.activate(nullptr);
    closedByDeactivation = true;
  };
  s.start();
  EXPECT_TRUE(closedByDeactivation);
  EXPECT_FALSE(s.program->fileErrorNotice().visible());
  EXPECT_FALSE(s.backend.exitCode) << "closing it does not end the program";
}

TEST(Notices, TheUnsupportedScreenNoticeHasItsTexts) {
  Scenario s(1366, 768);
  s.start();
  auto& notice = s.program->unsupportedScreenNotice();
  EXPECT_EQ(notice.bounds(), toolkit::Rect::fromBounds(514, 315, 337, 137)) << "centred on the desktop";
  EXPECT_EQ(notice.Label1.caption(), "Screen size not support");
  EXPECT_EQ(notice.Label3.caption(), "Sreen size supprot: 1024*768, 1280*1024, 1280*960, 1280*800");
  EXPECT_EQ(notice.focusedControl(), &notice.Button1);
}

TEST(TaskbarButton, TheApplicationWindowIsHiddenEverySecond) {
  Started s;
  EXPECT_TRUE(s.backend.applicationWindowVisible);
  s.advanceSeconds(1);
  EXPECT_FALSE(s.backend.applicationWindowVisible);
  s.backend.applicationWindowVisible = true;
  s.advanceSeconds(1);
  EXPECT_FALSE(s.backend.applicationWindowVisible) << "a button that reappears is gone again within a second";
}

}  // namespace
