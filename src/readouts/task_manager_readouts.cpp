#include "readouts/task_manager_readouts.h"

#include <cmath>
#include <mutex>

#include "common/processor_figures.h"
#include "platform/processor_counters.h"
#include "platform/work_queue.h"
#include "readouts/processor_frequency.h"
#include "readouts/processor_load.h"

namespace veltrana {

struct TaskManagerReadouts::Measurements {
  Measurements(platform::SystemInfo& s, platform::ProcessorCounters& c) : system(s), counters(c) {}

  // Used by the jobs alone, one at a time.
  platform::SystemInfo& system;
  platform::ProcessorCounters& counters;
  ProcessorLoadSampler sampler;
  ProcessorSpeedProbe probe{RaisedPriority::threadOnly};

  // Shared with the GUI thread. The library's mutex, as this code is
  // portable: it is held for a few instructions, so it never waits, and only
  // a mutex that waits costs a round trip to the system (the work queue's
  // own lock, which does wait for jobs, is the system's slim one).
  std::mutex mutex;
  std::optional<int> load;
  std::optional<double> speed;
  bool loadAsked = false;
  bool speedAsked = false;
};

int taskManagerLoadPosition(double load) { return static_cast<int>(std::lround(load < 0 ? 0.0 : load)); }

TaskManagerReadouts::TaskManagerReadouts(platform::SystemInfo& system, platform::ProcessorCounters& counters,
                                         platform::WorkQueue& queue)
    : measurements_(std::make_shared<Measurements>(system, counters)), queue_(queue) {}

TaskManagerReadouts::~TaskManagerReadouts() {
  queue_.post([&counters = measurements_->counters] { counters.close(); });
}

std::optional<int> TaskManagerReadouts::loadPosition() const {
  std::lock_guard lock(measurements_->mutex);
  return measurements_->load;
}

std::optional<double> TaskManagerReadouts::speedGHz() const {
  std::lock_guard lock(measurements_->mutex);
  return measurements_->speed;
}

template <typename Value, typename Measure>
void TaskManagerReadouts::ask(std::optional<Value> Measurements::*result, bool Measurements::*asked, Measure measure) {
  {
    Measurements& m = *measurements_;
    std::lock_guard lock(m.mutex);
    if (m.*asked) return;
    m.*asked = true;
  }
  queue_.post([m = measurements_, result, asked, measure] {
    Measurements& measurements = *m;
    const auto finish = [&](std::optional<Value> value) {
      std::lock_guard lock(measurements.mutex);
      if (value) measurements.*result = value;
      measurements.*asked = false;
    };
    try {
      finish(measure(*m));
    } catch (...) {
      // A failed measurement must not stop the ones after it; the queue traces it.
      finish(std::nullopt);
      throw;
    }
  });
}

void TaskManagerReadouts::measureLoad() {
  ask(&Measurements::load, &Measurements::loadAsked, [](Measurements& m) {
    std::optional<int> position;
    // The idle-time sample is taken every time, however the counter does: an
    // interval the counter has no reading for then has this one.
    m.sampler.sample(m.system, [&position](int p) { position = p; });
    if (const auto load = taskManagerLoad(m.counters.utility())) position = taskManagerLoadPosition(*load);
    return position;
  });
}

void TaskManagerReadouts::measureSpeed() {
  ask(&Measurements::speed, &Measurements::speedAsked, [](Measurements& m) {
    if (const auto ghz = taskManagerSpeedGHz(m.counters.speed())) return *ghz;
    return m.probe.measure(m.system);
  });
}

}  // namespace veltrana
