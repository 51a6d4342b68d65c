#include "options/counters_check.h"

#include "common/processor_figures.h"
#include "platform/processor_counters.h"

namespace veltrana::options {

std::string CountersCheck::begin() {
  counters_.utility();
  counters_.speed();
  return "Looking for Windows' counters...";
}

std::string CountersCheck::finish() {
  const bool load = taskManagerLoad(counters_.utility()).has_value();
  const bool speed = taskManagerSpeedGHz(counters_.speed()).has_value();
  counters_.close();
  if (load && speed) return "Load and frequency as Task Manager shows them.";
  if (load) return "Load as Task Manager shows it; Windows' counters give no frequency, which the bar measures "
                   "as without this box.";
  if (speed) return "Frequency as Task Manager shows it; Windows' counters give no load, which the bar measures "
                    "as without this box.";
  return "Windows' counters were not found: the bar measures load and frequency as without this box.";
}

}  // namespace veltrana::options
