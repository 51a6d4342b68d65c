#include "readouts/processor_frequency.h"

#include <charconv>

#include "platform/system_info.h"

namespace veltrana {

double measureProcessorSpeed(platform::SystemInfo& system) {
  const platform::Priorities saved = system.priorities();
  system.setProcessPriorityClass(platform::realtimePriorityClass);
  system.setThreadPriority(platform::timeCriticalPriority);
  system.sleep(10);
  const std::uint64_t t0 = system.timeStampCounter();
  system.sleep(500);
  const std::uint64_t t1 = system.timeStampCounter();
  system.setThreadPriority(saved.thread);
  system.setProcessPriorityClass(saved.processClass);
  return cyclesToGHz(t1 - t0);
}

double cyclesToGHz(std::uint64_t cycles) { return static_cast<double>(cycles) / 500000000.0; }

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
