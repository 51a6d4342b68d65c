#pragma once

#include <memory>
#include <optional>

namespace platform {
class ProcessorCounters;
class SystemInfo;
class WorkQueue;
}  // namespace platform

namespace veltrana {

// The processor load and frequency as Task Manager shows them, where
// Windows' counters give them, else measured as the bar measures them
// without line 11; either way on the work queue, never on the GUI thread.
// Each tick of the GUI thread shows the last finished measurement and asks
// for the next one, which is under way until a later tick shows it.
class TaskManagerReadouts {
 public:
  TaskManagerReadouts(platform::SystemInfo& system, platform::ProcessorCounters& counters,
                      platform::WorkQueue& queue);
  // The counters are let go on the queue, after what is under way there.
  ~TaskManagerReadouts();
  TaskManagerReadouts(const TaskManagerReadouts&) = delete;
  TaskManagerReadouts& operator=(const TaskManagerReadouts&) = delete;

  // The last finished readings: the processor gauge's position and the
  // frequency in GHz; nothing until the first has finished.
  std::optional<int> loadPosition() const;
  std::optional<double> speedGHz() const;

  // Asks for the next reading, unless the last one asked for is not finished.
  void measureLoad();
  void measureSpeed();

 private:
  // What the jobs measure with and leave for the GUI thread; a job still on
  // the queue when this object goes keeps it.
  struct Measurements;
  // Posts `measure` unless a job for `result` is waiting or under way; the
  // job stores what it measured, if anything, however it ends.
  template <typename Value, typename Measure>
  void ask(std::optional<Value> Measurements::*result, bool Measurements::*asked, Measure measure);

  std::shared_ptr<Measurements> measurements_;
  platform::WorkQueue& queue_;
};

// The gauge position of a load in percent: to the nearest whole, from 0.
int taskManagerLoadPosition(double load);

}  // namespace veltrana
