#include "readouts/captions.h"

#include <cstdio>

namespace veltrana {

std::string twoDigits(int value) {
  return value >= 0 && value <= 9 ? "0" + std::to_string(value) : std::to_string(value);
}

std::string totalMemoryCaption(const platform::MemoryStatus& status) {
  return std::to_string(status.totalPhysical >> 20) + " MB";
}

std::string refreshRateCaption(int hertz) { return std::to_string(hertz) + "Hz"; }

// printf's own general format: std::to_chars would do the same but brings
// 180 KB of tables into the program, which Wine keeps resident.
std::string generalFormat(double value, const std::string& decimalSeparator) {
  char text[64];
  const int length = std::snprintf(text, sizeof text, "%.15G", value);
  std::string result;
  for (int i = 0; i < length && i < static_cast<int>(sizeof text); ++i) {
    if (text[i] == '.')
      result += decimalSeparator;
    else
      result += text[i];
  }
  return result;
}

}  // namespace veltrana
