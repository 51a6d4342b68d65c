#include "readouts/processor_frequency.h"

#include "platform/system_info.h"

namespace veltrana {

double measureProcessorSpeed(platform::SystemInfo& system, RaisedPriority raised) {
  const bool processToo = raised == RaisedPriority::processAndThread;
  const platform::Priorities saved = system.priorities();
  if (processToo) system.setProcessPriorityClass(platform::realtimePriorityClass);
  system.setThreadPriority(platform::timeCriticalPriority);
  system.sleep(10);
  const std::uint64_t t0 = system.timeStampCounter();
  system.sleep(500);
  const std::uint64_t t1 = system.timeStampCounter();
  system.setThreadPriority(saved.thread);
  if (processToo) system.setProcessPriorityClass(saved.processClass);
  return cyclesToGHz(t1 - t0);
}

double cyclesToGHz(std::uint64_t cycles) { return static_cast<double>(cycles) / 500000000.0; }

}  // namespace veltrana
