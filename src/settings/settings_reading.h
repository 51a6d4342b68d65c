#pragma once

#include <cstddef>
#include <memory>
#include <string>
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
  bool operator==(const LineFault&) const = default;
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
};

// The one reader of the settings file: reads the lines by the file's rules,
// each only as far as it decides its value, and closes the file. After a
// fault it reads nothing more when told to stop. `files` decodes a faulty
// line for its message.
SettingsReading readSettings(std::unique_ptr<platform::ReadableFile> file, const platform::Files& files,
                             AtFault atFault);

}  // namespace veltrana
