#include "bar/unsupported_screen.h"

#include "bar/bar_companions.h"
#include "bar/bar_monitor.h"
#include "bar/place_among_windows.h"
#include "popups/centred.h"
#include "popups/unsupported_screen_notice.h"
#include "toolkit/error_reports.h"
#include "toolkit/timer.h"

namespace veltrana {

UnsupportedScreen::UnsupportedScreen(Schedule schedule, toolkit::Timer& Timer12, toolkit::ErrorReports& reports,
                                     PlaceAmongWindows& place, BarMonitor& monitor, BarCompanions& companions)
    : schedule_(schedule),
      Timer12_(Timer12),
      reports_(reports),
      place_(place),
      monitor_(monitor),
      companions_(companions) {}

bool UnsupportedScreen::startOn(const ScreenPlan& plan) {
  Timer12_.setEnabled(false);
  waiting_ = plan.mode == ScreenMode::unsupported;
  if (waiting_) schedule_.stop();
  return !waiting_;
}

// Only now: the start-up pass may have shown a box or the file-error notice,
// and the notice comes a second after they are answered.
void UnsupportedScreen::startupPassOver() {
  starting_ = false;
  if (waiting_) Timer12_.setEnabled(true);
}

void UnsupportedScreen::planFound() {
  if (!waiting_) return;
  waiting_ = false;
  Timer12_.setEnabled(false);
  schedule_.start();
}

void UnsupportedScreen::planLost() {
  schedule_.stop();
  if (starting_)
    waiting_ = true;
  else
    Timer12_.setEnabled(true);
}

void UnsupportedScreen::Timer12Timer() {
  // Not over an open report: the notice takes over once it is answered.
  if (reports_.boxOpen()) return;
  waiting_ = false;
  place_.releaseStrip();
  schedule_.stop();
  Timer12_.setEnabled(false);
  TForm2& notice = companions_.unsupportedScreenNotice();
  if (const auto monitor = monitor_.current()) centreOn(notice, *monitor);
  notice.showModal();
}

}  // namespace veltrana
