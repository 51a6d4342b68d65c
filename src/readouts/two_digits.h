#pragma once

#include <string>

namespace veltrana {

// 0 to 9 as "0" and the digit; any other value in plain decimal.
std::string twoDigits(int value);

}  // namespace veltrana
