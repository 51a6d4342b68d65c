#pragma once

#include <span>
#include <string_view>

#include "common/text.h"

namespace veltrana {

// Whether line 12 of the settings file names the monitor of that device name
// ("\\.\DISPLAY2"): compared whole, without regard to case, as Windows
// compares them. An empty line names none: the bar is then on the main monitor.
constexpr bool namesMonitor(std::string_view line, std::string_view deviceName) {
  return !line.empty() && sameIgnoringCase(line, deviceName);
}

// The connected monitor line 12 names, of a list of monitors that have a
// `name`; null when it names none of them.
template <typename Monitor>
const Monitor* monitorNamedBy(std::span<const Monitor> monitors, std::string_view line) {
  for (const Monitor& m : monitors)
    if (namesMonitor(line, m.name)) return &m;
  return nullptr;
}

}  // namespace veltrana
