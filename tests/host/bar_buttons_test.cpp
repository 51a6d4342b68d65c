// The bar's buttons and the taskbar button it keeps hidden.
#include <gtest/gtest.h>

#include "bar/bar_buttons.h"
#include "started_program.h"

namespace {

using fakes::component;

TEST(BarButtons, EachMakesItsOneRequestAndNothingElse) {
  Started s;
  auto& bar = s.bar();
  const auto handle = bar.nativeHandle();
  click(component<toolkit::SpeedButton>(bar, "SpeedButton1"));
  click(component<toolkit::SpeedButton>(bar, "SpeedButton2"));
  ASSERT_EQ(s.multimedia.commands.size(), 2u);
  EXPECT_EQ(s.multimedia.commands[0], (std::pair<std::string, platform::WindowHandle>{"Set cdaudio door open wait", handle}));
  EXPECT_EQ(s.multimedia.commands[1].first, "Set cdaudio door closed wait");

  click(component<toolkit::SpeedButton>(bar, "SpeedButton3"));
  click(component<toolkit::SpeedButton>(bar, "SpeedButton4"));
  click(component<toolkit::SpeedButton>(bar, "SpeedButton5"));
  click(component<toolkit::SpeedButton>(bar, "SpeedButton11"));
  EXPECT_EQ(s.session.requests, (std::vector<std::string>{"privilege", "exit 2", "privilege", "exit 8", "privilege",
                                                          "exit 0", "next layout"}));
  EXPECT_FALSE(veltrana::requestSessionEnd(s.session, 2)) << "refused by the system";
  s.session.accepts = true;
  EXPECT_TRUE(veltrana::requestSessionEnd(s.session, 0));

  EXPECT_EQ(s.top(), 0);
  EXPECT_TRUE(s.backend.errorBoxes.empty()) << "no button shows a message";
  EXPECT_FALSE(s.backend.exitCode);
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
