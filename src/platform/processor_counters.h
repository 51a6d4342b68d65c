#pragma once

#include <optional>

#include "common/processor_figures.h"

namespace platform {

// The performance counters Windows keeps of all processors together,
// `\Processor Information(_Total)`, which Task Manager shows. They are asked
// for by their English names, which every language of Windows knows. A rate
// counter needs two samples: a reading covers the time since the previous
// call of the same kind, and the first call after opening has none. A counter
// that is missing, fails or has no reading gives nothing.
class ProcessorCounters {
 public:
  virtual ~ProcessorCounters() = default;

  // "% Processor Utility" since the previous call; it can pass 100.
  virtual std::optional<double> utility() = 0;
  virtual veltrana::ProcessorSpeed speed() = 0;
  // Lets the counters and their library go; the next call opens them afresh.
  virtual void close() = 0;
};

}  // namespace platform
