#include "bar/bar_layouts.h"

#include "bar/bar_companions.h"
#include "bar/bar_monitor.h"
#include "bar/unsupported_screen.h"
#include "popups/menu_panel.h"
#include "toolkit/form.h"

namespace veltrana {

BarLayouts::BarLayouts(toolkit::Form& bar, BarMonitor& monitor, UnsupportedScreen& unsupported,
                       BarCompanions& companions)
    : bar_(bar), monitor_(monitor), unsupported_(unsupported), companions_(companions), made_(bar), fitted_(bar) {}

ScreenPlan BarLayouts::plan() const {
  const auto monitor = monitor_.current();
  return monitor ? screenPlanFor(*monitor, fit_) : ScreenPlan{};
}

void BarLayouts::layOutAtStart() {
  const ScreenPlan startPlan = plan();
  if (unsupported_.startOn(startPlan)) apply(startPlan);
}

void BarLayouts::layOut() {
  const bool moved = monitor_.follow();
  const ScreenPlan now = plan();
  // (A width of 0: no monitor was found, which tells nothing.)
  if ((fit_ || moved) && now.mode == ScreenMode::unsupported && now.width > 0) {
    unsupported_.planLost();
    return;
  }
  apply(now);
  if (moved && now.mode != ScreenMode::unsupported) unsupported_.planFound();
}

void BarLayouts::setFit(bool on) {
  if (on == fit_) return;
  fit_ = on;
  const ScreenPlan now = plan();
  apply(now);
  // Fitting read by the start-up pass may give the screen a plan after all.
  if (now.mode != ScreenMode::unsupported) unsupported_.planFound();
}

void BarLayouts::apply(const ScreenPlan& plan) {
  if (plan.mode == ScreenMode::unsupported) return;
  if (plan.scale != bar_.scale()) {
    bar_.setScale(plan.scale);
    companions_.menuPanel().scaleTo(plan.scale);
  }
  if (plan.mode == ScreenMode::fitted)
    fitted_.apply(plan.width, plan.scale);
  else
    made_.apply(plan.mode);
}

}  // namespace veltrana
