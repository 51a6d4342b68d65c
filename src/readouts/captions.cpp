#include "readouts/captions.h"

#include <charconv>

namespace veltrana {

std::string twoDigits(int value) {
  return value >= 0 && value <= 9 ? "0" + std::to_string(value) : std::to_string(value);
}

std::string totalMemoryCaption(const platform::MemoryStatus& status) {
  return std::to_string(status.totalPhysical >> 20) + " MB";
}

std::string refreshRateCaption(int hertz) { return std::to_string(hertz) + "Hz"; }

std::string generalFormat(double value, const std::string& decimalSeparator) {
  char text[64];
  const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15).ptr;
  std::string result;
  for (const char* p = text; p != end; ++p) {
    if (*p == '.')
      result += decimalSeparator;
    else
      result += *p == 'e' ? 'E' : *p;
  }
  return result;
}

}  // namespace veltrana
