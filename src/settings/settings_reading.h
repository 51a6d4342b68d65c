#pragma once

#include <string>
#include <vector>

#include "settings/settings_values.h"

namespace platform {
class Files;
}

namespace veltrana {

class LineReader;

// A line the bar would stop at, with the bar's message for it.
struct LineFault {
  int line = 0;  // from 1
  std::string message;
  bool operator==(const LineFault&) const = default;
};

struct SettingsReading {
  SettingsValues values;
  std::vector<LineFault> faults;
};

// Reads the seven lines by the bar's rules. Where the bar would stop a pass
// with an error, the value stays at its default, the fault is kept, and
// reading goes on with the next line. `files` decodes a faulty line for its
// message.
SettingsReading readSettings(LineReader& lines, const platform::Files& files);

}  // namespace veltrana
