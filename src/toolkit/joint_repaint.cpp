#include "toolkit/joint_repaint.h"

#include <algorithm>

#include "toolkit/form.h"

namespace toolkit {

JointRepaint::JointRepaint(Form& form, Timer& leading, std::initializer_list<Timer*> held)
    : form_(form), leading_(leading) {
  leading_.setObserver(this);
  for (Timer* timer : held) {
    if (timer == &leading_ || std::count(held_.begin(), held_.end(), timer)) continue;
    held_.push_back(timer);
    timer->setObserver(this);
  }
}

JointRepaint::~JointRepaint() {
  leading_.setObserver(nullptr);
  for (Timer* timer : held_) timer->setObserver(nullptr);
}

bool JointRepaint::heldNow(const Timer& timer) const {
  return &timer != &leading_ && leading_.counting() && timer.counting() && leading_.interval() == timer.interval();
}

bool JointRepaint::waits(const Timer& timer) const {
  return std::find(waiting_.begin(), waiting_.end(), &timer) != waiting_.end();
}

void JointRepaint::release() {
  if (waitingAreas_.empty()) return;
  // Cleared first: the form may call back, and what it was asked for is gone.
  const std::vector<Rect> areas = std::move(waitingAreas_);
  waitingAreas_.clear();
  waiting_.clear();
  form_.invalidate(areas);
}

void JointRepaint::beforeTick(const Timer& timer) {
  if (waits(timer)) {
    release();
    form_.updateNow();
  }
  form_.beginCollecting();
}

void JointRepaint::afterTick(const Timer& timer) {
  std::vector<Rect> changed = form_.endCollecting();
  if (changed.empty() && &timer != &leading_) return;
  if (heldNow(timer)) {
    waitingAreas_.insert(waitingAreas_.end(), changed.begin(), changed.end());
    if (!waits(timer)) waiting_.push_back(&timer);
    return;
  }
  if (&timer == &leading_) {
    changed.insert(changed.begin(), waitingAreas_.begin(), waitingAreas_.end());
    waitingAreas_.clear();
    waiting_.clear();
  }
  form_.invalidate(changed);
}

void JointRepaint::countdownChanged(const Timer&) { release(); }

}  // namespace toolkit
