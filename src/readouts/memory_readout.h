#pragma once

#include "platform/system_info.h"

namespace toolkit {
class Label;
}

namespace veltrana {

class TGauge;

// The free share in whole percent: available div (total div 100), truncated.
std::uint64_t freeMemoryPercent(const platform::MemoryStatus& status);

// Shows the total and the free share; the gauge turns red at 9 % or less.
void showMemory(const platform::MemoryStatus& status, toolkit::Label& total, TGauge& freeShare);

}  // namespace veltrana
