// The menu panel the magic button drops down: its buttons, its keyboard, its closing rule.
#include <gtest/gtest.h>

#include "started_program.h"
#include "popups/menu_panel.h"

namespace {

using fakes::component;

TEST(MenuPanel, TheMagicButtonShowsItWithTheFocusOnOptions) {
  Started s;
  auto& panel = s.program->menuPanel();
  EXPECT_FALSE(panel.Timer1.enabled()) << "stopped while hidden";
  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
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
  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
  EXPECT_EQ(panel.focusedControl(), &panel.BitBtn1) << "shown again, the focus goes back to Options";
}

TEST(MenuPanel, ShiftTabWalksBackwardsAndEnterOrSpaceClicksTheFocusedButton) {
  Started s;
  auto& panel = s.program->menuPanel();
  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
  std::vector<const toolkit::Control*> walked;
  for (int i = 0; i < 5; ++i) {
    panel.keyDown(toolkit::Key::backTab);
    walked.push_back(panel.focusedControl());
  }
  EXPECT_EQ(walked, (std::vector<const toolkit::Control*>{&panel.BitBtn5, &panel.BitBtn4, &panel.BitBtn3,
                                                          &panel.BitBtn1, &panel.BitBtn5}))
      << "from Options back to Exit, About, Help, Options, and round again";
  panel.keyDown(toolkit::Key::tab);
  EXPECT_EQ(panel.focusedControl(), &panel.BitBtn1) << "Tab wraps forwards";

  panel.keyDown(toolkit::Key::tab);
  panel.keyDown(toolkit::Key::space);
  panel.keyDown(toolkit::Key::tab);
  panel.keyDown(toolkit::Key::enter);
  ASSERT_EQ(s.shell.opened.size(), 2u);
  EXPECT_EQ(s.shell.opened[0].second, "C:\\Program Files\\Veltrana\\About.exe") << "Space on About";
  EXPECT_EQ(s.shell.opened[1].second, "C:\\Program Files\\Veltrana\\About.html") << "Enter on Help";
  EXPECT_FALSE(panel.visible()) << "Help closes the panel";

  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
  panel.keyDown(toolkit::Key::backTab);
  panel.keyDown(toolkit::Key::enter);
  EXPECT_EQ(s.backend.exitCode, 0) << "Enter on Exit";
}

TEST(MenuPanel, HidesWhenThePointerLeavesTheCornerOrAnotherWindowIsActive) {
  Started s;
  auto& panel = s.program->menuPanel();
  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
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

  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
  s.backend.cursor = {10, 231};
  s.advanceMs(10);
  EXPECT_FALSE(panel.visible());

  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
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
  click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
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
    click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
    click(s.program->menuPanel().BitBtn1);
    ASSERT_EQ(s.shell.opened.size(), 1u);
    EXPECT_EQ(s.shell.opened[0].second, options);
  }
}

}  // namespace
