#pragma once

#include <cmath>
#include <optional>

namespace platform {

// What Windows' counters of the processors' speed read over one interval.
struct ProcessorSpeed {
  std::optional<double> performance;  // "% Processor Performance": the clock against its nominal rate, in %
  std::optional<double> nominalMhz;   // "Processor Frequency": the nominal clock, in MHz
};

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
  virtual ProcessorSpeed speed() = 0;
  // Lets the counters and their library go; the next call opens them afresh.
  virtual void close() = 0;
};

// Task Manager's figures from the counters, or nothing where the counters
// give none. Its load is the utility capped at 100 %.
inline std::optional<double> taskManagerLoad(std::optional<double> utility) {
  if (!utility || !std::isfinite(*utility) || *utility < 0) return std::nullopt;
  return *utility > 100 ? 100.0 : *utility;
}

// Its "Speed": the nominal clock times the performance, in GHz to the whole
// MHz. A performance of 0 is no reading: a running processor has a clock.
inline std::optional<double> taskManagerSpeedGHz(const ProcessorSpeed& speed) {
  if (!speed.performance || !speed.nominalMhz) return std::nullopt;
  const double mhz = *speed.nominalMhz * *speed.performance / 100;
  if (!std::isfinite(mhz) || mhz < 1) return std::nullopt;
  return std::round(mhz) / 1000;
}

}  // namespace platform
