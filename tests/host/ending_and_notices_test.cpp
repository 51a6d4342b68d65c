// How the program ends, and the two notices.
#include <gtest/gtest.h>

#include "started_program.h"
#include "popups/file_error_notice.h"
#include "popups/menu_panel.h"
#include "popups/unsupported_screen_notice.h"

namespace {

using fakes::component;

TEST(Ending, ExitAndTheNoticeButtonsEndInOrderWithCodeZero) {
  {
    Started s(fakes::defaultSettings);
    EXPECT_EQ(s.shell.trayIcons.size(), 1u);
    click(component<toolkit::SpeedButton>(s.bar(), "SpeedButton6"));
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
  fakes::Scenario s;
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
  fakes::Scenario s(1366, 768);
  s.start();
  auto& notice = s.program->unsupportedScreenNotice();
  EXPECT_EQ(notice.bounds(), toolkit::Rect::fromBounds(514, 315, 337, 137)) << "centred on the desktop";
  EXPECT_EQ(notice.Label1.caption(), "Screen size not support");
  EXPECT_EQ(notice.Label3.caption(), "Sreen size supprot: 1024*768, 1280*1024, 1280*960, 1280*800");
  EXPECT_EQ(notice.focusedControl(), &notice.Button1);
}

TEST(Notices, EnterOrSpaceOnTheUnsupportedScreenNoticeEndsTheProgramWithCodeZero) {
  for (const toolkit::Key key : {toolkit::Key::enter, toolkit::Key::space}) {
    fakes::Scenario s(1366, 768);
    bool endedByAnotherKey = false;
    s.backend.duringModal = [&] {
      auto& notice = s.program->unsupportedScreenNotice();
      notice.keyDown(toolkit::Key::other);
      endedByAnotherKey = s.backend.exitCode.has_value();
      notice.keyDown(key);
    };
    s.start();
    s.advanceSeconds(1);
    EXPECT_FALSE(endedByAnotherKey);
    EXPECT_EQ(s.backend.exitCode, 0) << (key == toolkit::Key::enter ? "Enter" : "Space");
  }
}

}  // namespace
