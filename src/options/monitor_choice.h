#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "common/screen.h"

namespace veltrana::options {

// A monitor of the desk as Options describes it.
struct MonitorOnDesk {
  std::string name;  // its device name as Windows gives it, "\\.\DISPLAY2"
  int left = 0;      // its top-left corner on the desk, in pixels
  int top = 0;
  Screen screen;      // its size in pixels and its pixels per inch
  bool main = false;  // Windows' main display
};

// The monitor the bar lives on for line 12: the one the line names while it
// is connected, else the main one (the first, should none be marked main);
// nothing on a desk without monitors.
const MonitorOnDesk* barMonitor(std::span<const MonitorOnDesk> desk, std::string_view line);

// One entry of the drop-down that chooses line 12.
struct MonitorEntry {
  std::string text;  // "2: 1280 x 1024, left of the main display"
  std::string line;  // what line 12 reads when the entry is chosen
  Screen screen;     // the screen the bar then lives on
  bool connected = true;
};

// The drop-down's entries: the main display first, then the other monitors
// in Windows' order, then, when line 12 names a monitor that is not
// connected, an entry of its own for that name. `selected` is the entry
// line 12 chooses, and choosing it keeps the line as it is (its case, or a
// main display it names); choosing the main display otherwise writes the
// line empty, so that the bar follows the main display wherever Windows
// puts it, and choosing another monitor writes its device name.
struct MonitorChoice {
  std::vector<MonitorEntry> entries;
  std::size_t selected = 0;
};
MonitorChoice monitorChoice(std::span<const MonitorOnDesk> desk, std::string_view line);

// Under the drop-down while the entry of a monitor not connected is chosen.
inline constexpr char notConnectedNote[] = "The bar is on the main display until this monitor is connected.";

}  // namespace veltrana::options
