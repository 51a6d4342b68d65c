#include "bar/place_among_windows.h"

#include <algorithm>

#include "bar/full_screen.h"
#include "platform/shell.h"
#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace veltrana {

void PlaceAmongWindows::setYield(bool on) {
  yield_ = on;
  if (!on) stepBackOnTop();
}

void PlaceAmongWindows::setReserve(bool on) {
  reserve_ = on;
  if (!on) releaseStrip();
}

void PlaceAmongWindows::keep(const toolkit::Monitor& barMonitor, bool reserveNow) {
  if (yield_) {
    const auto front = backend_.foregroundWindow();
    if (isFullScreenProgram(front, barMonitor)) {
      // Placed again only when the order changed: something may lift the
      // bar meanwhile (under Wine, hiding the application window in the
      // bar's first second put it back above the other program's window).
      if (behind_ != front->handle || !bar_.liesRightBelow(front->handle)) bar_.stepBehind(front->handle);
      behind_ = front->handle;
    } else {
      stepBackOnTop();
    }
  }
  if (reserve_ && reserveNow) {
    // As tall as the bar is drawn, shown or hidden; no wider than the screen.
    const toolkit::Rect& screen = barMonitor.full;
    const int right = std::min(screen.right, screen.left + bar_.bounds().width());
    shell_.reserveTopStrip(bar_.nativeHandle(), {screen.left, screen.top, right, screen.top + bar_.bounds().height()});
    stripReserved_ = true;
  }
}

void PlaceAmongWindows::stepBackOnTop() {
  if (!behind_) return;
  bar_.bringToTopmost();
  behind_ = 0;
}

void PlaceAmongWindows::releaseStrip() {
  if (!stripReserved_) return;
  shell_.releaseStrip(bar_.nativeHandle());
  stripReserved_ = false;
}

}  // namespace veltrana
