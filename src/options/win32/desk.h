#pragma once

#include <vector>

#include "options/monitor_choice.h"

namespace veltrana::options::win32 {

// The desk's monitors, the main one first, as the calling thread's DPI
// awareness has them: read per-monitor aware, their real pixels and scaling.
std::vector<MonitorOnDesk> monitorsOnDesk();

}  // namespace veltrana::options::win32
