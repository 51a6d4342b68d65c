#pragma once

#include <cmath>
#include <optional>

namespace veltrana {

// What Windows' counters of the processors' speed read over one interval.
struct ProcessorSpeed {
  std::optional<double> performance;  // "% Processor Performance": the clock against its nominal rate, in %
  std::optional<double> nominalMhz;   // "Processor Frequency": the nominal clock, in MHz
};

// Task Manager's processor figures from Windows' counters, or nothing where
// the counters give none; the bar and the Options program judge them alike.
// Its load is the utility capped at 100 %.
inline std::optional<double> taskManagerLoad(std::optional<double> utility) {
  if (!utility || !std::isfinite(*utility) || *utility < 0) return std::nullopt;
  return *utility > 100 ? 100.0 : *utility;
}

// Far above any processor's clock: a figure beyond it comes from a broken
// counter provider, and would run into the label beside the readout.
inline constexpr double highestSpeedMhz = 20'000;

// Its "Speed": the nominal clock times the performance, in GHz to the whole
// MHz. A running processor has a clock: a performance or a nominal clock of 0
// or below is no reading, and nor is a product above the highest clock.
inline std::optional<double> taskManagerSpeedGHz(const ProcessorSpeed& speed) {
  if (!speed.performance || !speed.nominalMhz) return std::nullopt;
  if (!(*speed.performance > 0) || !(*speed.nominalMhz > 0)) return std::nullopt;
  const double mhz = *speed.nominalMhz * *speed.performance / 100;
  if (!std::isfinite(mhz) || mhz < 1 || mhz > highestSpeedMhz) return std::nullopt;
  return std::round(mhz) / 1000;
}

}  // namespace veltrana
