#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_values.h"

namespace platform {
class Files;
class ReadableFile;
}  // namespace platform

namespace veltrana {

// A line the bar stops at, with the bar's message for it.
struct LineFault {
  int line = 0;  // from 1
  std::string message;
  // The fault is the whole file's (saved as UTF-16): nothing in it can be read.
  bool wholeFile = false;
  bool operator==(const LineFault&) const = default;
};

// A switch line that is off but reads almost as its word (another case,
// blanks around it), which a user most likely meant as on.
struct NearlyASwitch {
  int line = 0;  // from 1
  std::string text;
  std::string_view word;
  bool operator==(const NearlyASwitch&) const = default;
};

// What to do at a faulty line: stop there, as the bar's settings passes do,
// or keep the line at its default and read on, as the Options program does.
enum class AtFault { stop, readOn };

struct SettingsReading {
  // The lines read, the others at their defaults.
  SettingsValues values;
  // How many lines, from the first, were read before the first fault: all
  // of them when there is none.
  std::size_t linesBeforeFault = 0;
  // How many of the lines read are in the file: a file may end before its
  // optional lines, or even before line 7.
  std::size_t linesInFile = 0;
  std::vector<LineFault> faults;
  // Whether the optional switches were read. Told to stop at a fault, the
  // reader still looks for them, within the first largestSettingsFile bytes:
  // they are never faulty, and a typo before them must not turn them off.
  bool optionalSwitchesRead = true;
  std::vector<NearlyASwitch> nearlySwitches;
};

// The one reader of the settings file: reads the lines by the file's rules,
// each only as far as it decides its value, and closes the file. After a
// fault, told to stop, it reads no other line but the optional switches.
// `files` decodes a faulty line for its message.
SettingsReading readSettings(std::unique_ptr<platform::ReadableFile> file, const platform::Files& files,
                             AtFault atFault);

}  // namespace veltrana
