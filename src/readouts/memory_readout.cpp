#include "readouts/memory_readout.h"

#include <algorithm>
#include <cstdint>

#include "readouts/captions.h"
#include "toolkit/label.h"
#include "widgets/gauge.h"

namespace veltrana {

namespace {
constexpr int lowMemoryPercent = 9;
}

std::uint64_t freeMemoryPercent(const platform::MemoryStatus& status) {
  const std::uint64_t hundredth = status.totalPhysical / 100;
  // Less than 100 bytes of memory is no real reading; show an empty gauge
  // rather than divide by zero.
  if (hundredth == 0) return 0;
  return status.availablePhysical / hundredth;
}

void showMemory(const platform::MemoryStatus& status, toolkit::Label& total, TGauge& freeShare) {
  total.setCaption(totalMemoryCaption(status));
  const std::uint64_t percent = std::min<std::uint64_t>(freeMemoryPercent(status), INT32_MAX);
  freeShare.setProgress(static_cast<std::int32_t>(percent));
  freeShare.setForeColor(freeShare.Progress() > lowMemoryPercent ? toolkit::colors::silver : toolkit::colors::red);
}

}  // namespace veltrana
