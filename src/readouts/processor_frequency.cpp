#include "readouts/processor_frequency.h"

namespace veltrana {

double ProcessorSpeedProbe::measure(platform::SystemInfo& system) {
  const bool processToo = raised_ == RaisedPriority::processAndThread;
  if (!restored_) restored_ = system.priorities();
  if (processToo) system.setProcessPriorityClass(platform::realtimePriorityClass);
  system.setThreadPriority(platform::timeCriticalPriority);
  system.sleep(10);
  const std::uint64_t t0 = system.timeStampCounter();
  system.sleep(500);
  const std::uint64_t t1 = system.timeStampCounter();
  system.setThreadPriority(restored_->thread);
  if (processToo) system.setProcessPriorityClass(restored_->processClass);
  return cyclesToGHz(t1 - t0);
}

double cyclesToGHz(std::uint64_t cycles) { return static_cast<double>(cycles) / 500000000.0; }

}  // namespace veltrana
