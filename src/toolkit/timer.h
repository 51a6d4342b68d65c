#pragma once

#include <cstdint>
#include <functional>

namespace toolkit {

class Timer;

// What runs the countdowns: the window system's timers, or a virtual clock in tests.
class TimerHost {
 public:
  virtual ~TimerHost() = default;
  // Starts the timer's countdown afresh with the interval, replacing any running one.
  virtual void schedule(Timer& timer, std::uint32_t intervalMs) = 0;
  virtual void cancel(Timer& timer) = 0;
};

// Told of a timer's ticks and changes. A tick's handler runs between
// beforeTick and afterTick; afterTick comes also when the handler throws.
class TickObserver {
 public:
  virtual void beforeTick(const Timer& timer) = 0;
  virtual void afterTick(const Timer& timer) = 0;
  // The timer started or stopped counting, or counts at another interval.
  virtual void countdownChanged(const Timer& timer) = 0;

 protected:
  ~TickObserver() = default;
};

// A periodic timer with the semantics the program relies on:
// - enabling a running timer, or disabling a stopped one, changes nothing;
// - setting the interval it already has changes nothing;
// - a different interval while it runs restarts the countdown from that moment;
// - an interval of 0 never ticks, even while enabled.
class Timer {
 public:
  Timer(TimerHost& host, std::uint32_t intervalMs, bool enabled = true);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  std::uint32_t interval() const { return interval_; }
  bool enabled() const { return enabled_; }
  bool counting() const { return enabled_ && interval_ != 0; }

  void setInterval(std::uint32_t intervalMs);
  void setEnabled(bool enabled);

  // One observer at a time; null for none.
  void setObserver(TickObserver* observer) { observer_ = observer; }

  // Called by the host when the countdown runs out.
  void tick();

  std::function<void()> onTimer;

 private:
  TimerHost& host_;
  std::uint32_t interval_;
  bool enabled_;
  TickObserver* observer_ = nullptr;
};

}  // namespace toolkit
