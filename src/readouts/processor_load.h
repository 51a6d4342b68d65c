#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace platform {
class SystemInfo;
}

namespace veltrana {

// A 64-bit value held as two 32-bit halves, as a floating value.
double Li2Double(std::uint32_t low, std::int32_t high);

// The gauge position for one interval: the load 100 - idle share x 100 /
// processors + 0.5, in the number format "0" (halves away from zero), less one.
int processorLoadPosition(double idleDelta, double timeDelta, int processors);

// Samples the system's cumulative idle time against its clock and turns two
// samples into a load reading. The previous sample lives as long as the sampler.
class ProcessorLoadSampler {
 public:
  // Takes a sample. When there is a reading for the interval since the
  // previous sample, `show` gets it before the new sample is stored; nothing
  // happens at all when a query fails.
  void sample(platform::SystemInfo& system, const std::function<void(int position)>& show);

 private:
  struct Sample {
    std::uint32_t idleLow = 0;
    std::int32_t idleHigh = 0;
    std::uint32_t timeLow = 0;
    std::int32_t timeHigh = 0;
    int processors = 0;
  };
  std::optional<Sample> query(platform::SystemInfo& system);
  std::optional<int> reading(const Sample& now) const;

  bool queryFound_ = false;
  Sample previous_;
};

}  // namespace veltrana
