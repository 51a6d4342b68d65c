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
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (counting())
    host_.schedule(*this, interval_);
  else if (interval_ != 0)
    host_.cancel(*this);
}

void Timer::tick() {
  if (counting() && onTimer) onTimer();
}

}  // namespace toolkit
