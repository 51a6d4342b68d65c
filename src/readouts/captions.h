#pragma once

#include <string>

#include "platform/system_info.h"

namespace veltrana {

// How the readouts write their numbers.

// 0 to 9 as "0" and the digit; any other value in plain decimal.
std::string twoDigits(int value);

// Total physical memory in megabytes, e.g. "24576 MB".
std::string totalMemoryCaption(const platform::MemoryStatus& status);

// The refresh rate as the display reports it, e.g. "60Hz".
std::string refreshRateCaption(int hertz);

// The general number format of the frequency: up to 15 significant digits,
// no trailing zeros, the user's decimal separator.
std::string generalFormat(double value, const std::string& decimalSeparator);

}  // namespace veltrana
