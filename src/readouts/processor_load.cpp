#include "readouts/processor_load.h"

#include <array>
#include <cmath>
#include <limits>

#include "platform/system_info.h"

namespace veltrana {

namespace {

// The system-information records the sampler reads, with their lengths and
// the offsets of the fields it uses.
constexpr std::uint32_t basicInformation = 0;
constexpr std::size_t basicLength = 44;
constexpr std::size_t processorCountAt = 40;  // one byte
constexpr std::uint32_t timeOfDayInformation = 3;
constexpr std::size_t timeOfDayLength = 32;
constexpr std::size_t currentTimeAt = 8;  // 64 bits
constexpr std::uint32_t performanceInformation = 2;
constexpr std::size_t performanceLength = 312;
constexpr std::size_t idleTimeAt = 0;  // 64 bits

std::uint32_t low32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

}  // namespace

double Li2Double(std::uint32_t low, std::int32_t high) { return high * 4294967296.0 + low; }

int processorLoadPosition(double idleDelta, double timeDelta, int processors) {
  // In double precision throughout: 600 ms idle of 1000 ms then gives exactly 40.5.
  const double ratio = idleDelta / timeDelta;
  const double load = 100.0 - ratio * 100.0 / processors + 0.5;
  const double rounded = load < 0 ? -std::floor(-load + 0.5) : std::floor(load + 0.5);
  constexpr double lowest = std::numeric_limits<int>::min() + 1.0;
  constexpr double highest = std::numeric_limits<int>::max();
  const double n = rounded < lowest ? lowest : (rounded > highest ? highest : rounded);
  return static_cast<int>(n) - 1;
}

std::optional<ProcessorLoadSampler::Sample> ProcessorLoadSampler::query(platform::SystemInfo& system) {
  // Looked up again at every tick until it is found.
  if (!queryFound_) queryFound_ = system.findSystemInformationQuery();
  if (!queryFound_) return std::nullopt;
  std::array<std::uint8_t, basicLength> basic{};
  std::array<std::uint8_t, timeOfDayLength> timeOfDay{};
  std::array<std::uint8_t, performanceLength> performance{};
  if (system.querySystemInformation(basicInformation, basic) != 0) return std::nullopt;
  if (system.querySystemInformation(timeOfDayInformation, timeOfDay) != 0) return std::nullopt;
  if (system.querySystemInformation(performanceInformation, performance) != 0) return std::nullopt;
  Sample s;
  s.processors = basic[processorCountAt];
  s.timeLow = low32(&timeOfDay[currentTimeAt]);
  s.timeHigh = static_cast<std::int32_t>(low32(&timeOfDay[currentTimeAt + 4]));
  s.idleLow = low32(&performance[idleTimeAt]);
  s.idleHigh = static_cast<std::int32_t>(low32(&performance[idleTimeAt + 4]));
  return s;
}

std::optional<int> ProcessorLoadSampler::reading(const Sample& now) const {
  if (previous_.idleLow == 0 && previous_.idleHigh == 0) return std::nullopt;
  const double idleDelta = Li2Double(now.idleLow, now.idleHigh) - Li2Double(previous_.idleLow, previous_.idleHigh);
  const double timeDelta = Li2Double(now.timeLow, now.timeHigh) - Li2Double(previous_.timeLow, previous_.timeHigh);
  if (timeDelta == 0) return std::nullopt;
  // A record that claims no processors would divide by zero: no reading.
  if (now.processors == 0) return std::nullopt;
  return processorLoadPosition(idleDelta, timeDelta, now.processors);
}

void ProcessorLoadSampler::sample(platform::SystemInfo& system, const std::function<void(int)>& show) {
  const auto now = query(system);
  if (!now) return;
  if (const auto position = reading(*now)) show(*position);
  previous_ = *now;
}

}  // namespace veltrana
