// Timers that change a form within the same second reach the screen in one
// paint cycle, in whichever order they tick, and no value a held timer shows
// is ever skipped or shown twice on the screen.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/fake_backend.h"
#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/joint_repaint.h"
#include "toolkit/label.h"

namespace {

using toolkit::Rect;

toolkit::FormOptions fixedForm() {
  toolkit::FormOptions o;
  o.bounds = Rect::fromBounds(0, 0, 400, 25);
  return o;
}

// A form with a counter per timer, far enough apart that none grows into another.
struct Counters : toolkit::Form {
  explicit Counters(toolkit::Application& app)
      : Form(app, fixedForm()),
        lead(*this, "lead", {0, 5}, "0", toolkit::Font{}),
        held(*this, "held", {100, 5}, "0", toolkit::Font{}),
        second(*this, "second", {200, 5}, "0", toolkit::Font{}),
        alone(*this, "alone", {300, 5}, "0", toolkit::Font{}) {
    finishLoading();
    show();
  }
  toolkit::Label lead, held, second, alone;
};

void countUp(toolkit::Label& label) { label.setCaption(std::to_string(std::stoi(label.caption()) + 1)); }

struct JointRepaintFixture : ::testing::Test {
  JointRepaintFixture() : app(backend) {
    backend.setScreen(1280, 1024);
    window().paintMarked();  // the form as first shown
    window().paints.clear();
    window().onPaint = [this](const std::vector<Rect>& region) {
      for (toolkit::Label* label : {&form.lead, &form.held, &form.second, &form.alone})
        if (fakes::touches(region, label->bounds())) shown[label->name()].push_back(std::stoi(label->caption()));
    };
  }
  fakes::FakeWindow& window() { return *backend.windowOf(form); }
  // The values of a counter in the order the screen showed them.
  static std::vector<int> upTo(int last) {
    std::vector<int> values;
    for (int v = 1; v <= last; ++v) values.push_back(v);
    return values;
  }

  fakes::FakeBackend backend;
  toolkit::Application app;
  Counters form{app};
  std::map<std::string, std::vector<int>> shown;
};

TEST_F(JointRepaintFixture, TimersOfOneSecondPaintOnceWhicheverTicksFirst) {
  // Ties go to the timer made first, the leading one; 999 ms late, the held
  // timers tick a moment before it.
  for (const int heldLateMs : {0, 1, 300, 999}) {
    SCOPED_TRACE("the held timers made " + std::to_string(heldLateMs) + " ms after the leading one");
    for (toolkit::Label* label : {&form.lead, &form.held, &form.second, &form.alone}) label->setCaption("0");
    window().paintMarked();
    shown.clear();
    const std::size_t paints = window().paints.size();
    const int invalidations = window().invalidations;
    toolkit::Timer leading(backend, 1000);
    backend.advance(heldLateMs);
    toolkit::Timer held(backend, 1000), second(backend, 1000);
    toolkit::JointRepaint joint(form, leading, {&held, &second});
    leading.onTimer = [&] { countUp(form.lead); };
    held.onTimer = [&] { countUp(form.held); };
    second.onTimer = [&] {  // two labels in one tick: still one request
      countUp(form.second);
      countUp(form.alone);
    };
    backend.advance(60000);
    EXPECT_EQ(form.lead.caption(), "60");
    EXPECT_EQ(window().paints.size() - paints, 60u) << "one paint a second";
    EXPECT_EQ(window().invalidations - invalidations, 60) << "one request a second";
    EXPECT_EQ(window().updatesNow, 0) << "nothing painted out of turn";
    const int heldShown = static_cast<int>(shown["held"].size());
    EXPECT_EQ(shown["held"], upTo(heldShown)) << "each value shown once, in turn";
    EXPECT_GE(heldShown, std::stoi(form.held.caption()) - 1) << "only the last tick may still wait";
  }
}

// Ticks delivered late or out of their usual order, as a busy machine
// delivers them: a held timer may tick twice before the leading one ticks.
TEST_F(JointRepaintFixture, AChangeStillWaitingWhenItsTimerTicksAgainIsPaintedBeforeThatTick) {
  toolkit::Timer leading(backend, 1000), held(backend, 1000);
  toolkit::JointRepaint joint(form, leading, {&held});
  leading.onTimer = [&] { countUp(form.lead); };
  held.onTimer = [&] { countUp(form.held); };
  const auto tick = [&](toolkit::Timer& timer) {
    timer.tick();
    window().paintMarked();  // the message loop paints before the next tick
  };
  tick(held);
  EXPECT_TRUE(shown["held"].empty()) << "waits for the leading tick";
  tick(held);
  EXPECT_EQ(shown["held"], upTo(1)) << "1 painted before it turned 2";
  EXPECT_EQ(window().updatesNow, 1);
  tick(leading);
  EXPECT_EQ(shown["held"], upTo(2));
  EXPECT_EQ(shown["lead"], upTo(1));
  tick(leading);
  tick(held);
  tick(held);
  tick(held);
  tick(leading);
  EXPECT_EQ(shown["held"], upTo(5));
  EXPECT_EQ(shown["lead"], upTo(3));
}

TEST_F(JointRepaintFixture, AWaitingChangeIsAskedForWhenAWatchedTimerStopsOrChangesItsInterval) {
  toolkit::Timer held(backend, 1000), leading(backend, 1000);
  toolkit::JointRepaint joint(form, leading, {&held});
  held.onTimer = [&] { countUp(form.held); };
  held.tick();
  window().paintMarked();
  EXPECT_TRUE(shown["held"].empty());
  held.setEnabled(false);  // as the bar stops its timers on an unsupported screen
  window().paintMarked();
  EXPECT_EQ(shown["held"], upTo(1)) << "stopped, its last value shows";

  held.setEnabled(true);
  held.tick();
  leading.setInterval(5000);
  window().paintMarked();
  EXPECT_EQ(shown["held"], upTo(2)) << "the leading timer's new interval leaves nothing waiting";
}

TEST_F(JointRepaintFixture, AHandlerThatThrowsLeavesTheFormAskingForRepaintsAsBefore) {
  toolkit::Timer leading(backend, 1000), held(backend, 1000);
  toolkit::JointRepaint joint(form, leading, {&held});
  held.onTimer = [&] {
    countUp(form.held);
    throw std::runtime_error("failed");
  };
  leading.onTimer = [] {};
  EXPECT_THROW(held.tick(), std::runtime_error);
  form.alone.setCaption("7");
  EXPECT_TRUE(fakes::touches(window().marked, form.alone.bounds()))
      << "outside any tick, asked for at once, not kept for a tick that ended";
  leading.tick();
  window().paintMarked();
  EXPECT_EQ(shown["held"], upTo(1)) << "what the failed tick changed comes with the leading tick";
}

}  // namespace
