#include <gtest/gtest.h>

#include "support/fake_backend.h"
#include "support/fake_ports.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/speed_button.h"

namespace {

using toolkit::Point;
using toolkit::Rect;

struct TestForm : toolkit::Form {
  explicit TestForm(toolkit::Application& app, toolkit::FormOptions options)
      : Form(app, options),
        background(*this, "background", Rect::fromBounds(0, 0, 200, 25)),
        text(*this, "text", {10, 5}, "Free", toolkit::Font{}, "Free RAM"),
        button(*this, "button", Rect::fromBounds(50, 0, 25, 25), "Re", toolkit::Font{}, "Reboot"),
        zone(*this, "zone", Rect::fromBounds(0, 0, 40, 25)) {
    finishLoading();
  }
  toolkit::Image background;
  toolkit::Label text;
  toolkit::SpeedButton button;
  toolkit::Image zone;
};

struct FormFixture : ::testing::Test {
  FormFixture() : app(backend) { backend.setScreen(1280, 1024); }
  toolkit::FormOptions options(bool autoSize = true) {
    toolkit::FormOptions o;
    o.bounds = Rect::fromBounds(100, 100, 10, 10);
    o.autoSize = autoSize;
    o.screenSnap = true;
    return o;
  }
  fakes::FakeBackend backend;
  toolkit::Application app;
};

TEST_F(FormFixture, MouseGoesToTheTopmostVisibleNonEmptyComponent) {
  TestForm form(app, options());
  EXPECT_EQ(form.controlAt({12, 8}), &form.zone) << "the later component lies above";
  form.zone.setWidth(0);
  EXPECT_EQ(form.controlAt({12, 8}), &form.text) << "a zero-width component takes no mouse";
  form.text.setVisible(false);
  EXPECT_EQ(form.controlAt({12, 8}), &form.background);
  EXPECT_EQ(form.controlAt({199, 24}), &form.background);
  EXPECT_EQ(form.controlAt({200, 24}), nullptr) << "rectangles are half-open";
  EXPECT_EQ(form.controlAt({55, 5})->hint(), "Reboot") << "the hint the window shows under the pointer";
  EXPECT_EQ(form.controlAt({150, 5})->hint(), "");
}

TEST_F(FormFixture, ClickNeedsPressAndReleaseOnTheSameComponent) {
  TestForm form(app, options());
  form.zone.setWidth(0);
  int textClicks = 0, buttonClicks = 0;
  form.text.onClick = [&] { ++textClicks; };
  form.button.onClick = [&] { ++buttonClicks; };

  form.mouseDown({12, 8});
  form.mouseUp({13, 9});
  EXPECT_EQ(textClicks, 1);

  form.mouseDown({55, 5});
  EXPECT_TRUE(form.button.pressed());
  form.mouseMove({150, 5});
  EXPECT_FALSE(form.button.pressed()) << "dragged off, the button springs back";
  form.mouseMove({56, 5});
  EXPECT_TRUE(form.button.pressed());
  form.mouseUp({150, 5});
  EXPECT_EQ(buttonClicks, 0) << "released elsewhere";
  EXPECT_FALSE(form.button.pressed());

  form.mouseDown({55, 5});
  form.mouseUp({60, 10});
  EXPECT_EQ(buttonClicks, 1);
}

TEST_F(FormFixture, MouseMoveReachesTheComponentUnderThePointer) {
  TestForm form(app, options());
  std::vector<Point> moves;
  form.zone.onMouseMove = [&](Point p) { moves.push_back(p); };
  form.mouseMove({12, 8});
  form.mouseMove({45, 8});
  ASSERT_EQ(moves.size(), 1u);
  EXPECT_EQ(moves[0], (Point{12, 8}));
}

TEST_F(FormFixture, AutoSizeIsTheBoundingBoxOfVisibleComponents) {
  TestForm form(app, options());
  EXPECT_EQ(form.bounds(), Rect::fromBounds(100, 100, 200, 25));
  form.button.setBounds(Rect::fromBounds(250, 0, 25, 30));
  EXPECT_EQ(form.bounds(), Rect::fromBounds(100, 100, 275, 30));
  form.button.setVisible(false);
  EXPECT_EQ(form.bounds(), Rect::fromBounds(100, 100, 200, 25));
  TestForm fixed(app, options(false));
  EXPECT_EQ(fixed.bounds(), Rect::fromBounds(100, 100, 10, 10));
}

TEST_F(FormFixture, ChangesInvalidateOnlyWhenSomethingChanged) {
  TestForm form(app, options());
  const long before = form.counters().invalidations;
  form.text.setCaption("Free");
  form.text.setFontColor(form.text.font().color);
  form.button.setBounds(form.button.bounds());
  EXPECT_EQ(form.counters().invalidations, before);
  form.text.setCaption("Used");
  EXPECT_GT(form.counters().invalidations, before);
}

TEST_F(FormFixture, MovesSnapToTheScreenEdgesButNotAtTheOrigin) {
  TestForm form(app, options());
  form.setLeft(0);
  form.setTop(2);
  EXPECT_EQ(form.bounds().left, 0);
  EXPECT_EQ(form.bounds().top, 0);
  form.setTop(-25);
  EXPECT_EQ(form.bounds().top, -25);
  form.setLeft(1075);  // 5 short of the right edge with its 200 width
  EXPECT_EQ(form.bounds().left, 1080);
}

}  // namespace
