#pragma once

#include <string>

#include "platform/system_info.h"

namespace toolkit {
class Label;
}

namespace veltrana {

class TGauge;

// Total physical memory in megabytes, e.g. "24576 MB".
std::string totalMemoryCaption(const platform::MemoryStatus& status);
// The free share in whole percent: available div (total div 100), truncated.
std::uint64_t freeMemoryPercent(const platform::MemoryStatus& status);

// Shows the total and the free share; the gauge turns red at 9 % or less.
void showMemory(const platform::MemoryStatus& status, toolkit::Label& total, TGauge& freeShare);

// The refresh rate as the display reports it, e.g. "60Hz".
std::string refreshRateCaption(int hertz);

}  // namespace veltrana
