#include "toolkit/timer.h"

namespace toolkit {

Timer::Timer(TimerHost& host, std::uint32_t intervalMs, bool enabled)
    : host_(host), interval_(intervalMs), enabled_(enabled) {
  if (counting()) host_.schedule(*this, interval_);
}

Timer::~Timer() {
  if (counting()) host_.cancel(*this);
}

void Timer::setInterval(std::uint32_t intervalMs) {
  if (intervalMs == interval_) return;
  const bool wasCounting = counting();
  interval_ = intervalMs;
  if (counting())
    host_.schedule(*this, interval_);
  else if (wasCounting)
    host_.cancel(*this);
  if ((wasCounting || counting()) && observer_) observer_->countdownChanged(*this);
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (interval_ == 0) return;
  if (enabled_)
    host_.schedule(*this, interval_);
  else
    host_.cancel(*this);
  if (observer_) observer_->countdownChanged(*this);
}

void Timer::tick() {
  if (!counting() || !onTimer) return;
  if (!observer_) {
    onTimer();
    return;
  }
  TickObserver& observer = *observer_;
  observer.beforeTick(*this);
  try {
    onTimer();
  } catch (...) {
    observer.afterTick(*this);
    throw;
  }
  observer.afterTick(*this);
}

}  // namespace toolkit
