#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "settings/settings_lines.h"

namespace platform {
class Files;
}

namespace veltrana {

// The file's bytes with line `number` (from 1) made `word` and ended with
// CR LF, every other byte as it was. A line ends at LF (a CR before it is
// part of its end); a CR that no LF follows is part of the line. A file that
// ends before the line gets a line end after its last line, if that has
// none, and empty lines up to the one before `number`.
std::string withLineSet(std::string_view file, std::size_t number, std::string_view word);

// Setting one line of the settings file to a word, for a program that is not
// the Options dialog (setup asks for line 8, Fit).
struct LineSetting {
  enum class Outcome {
    written,       // the file reads the word there now
    alreadyThere,  // it did already, and is untouched
    refused        // it was left as it was; `reason` says why
  };
  Outcome outcome = Outcome::refused;
  std::string reason;  // a clause: "the file is marked read-only"
};

// Sets line `number` of the file at `path` to `word`, keeping every other
// byte (see withLineSet); a missing file is made with the seven default lines
// first. The file is replaced in one step. Refused, untouched: a file that
// cannot be read whole, one larger than largestSettingsFile, one that starts
// with a UTF-16 byte-order mark (not the 8-bit text the programs read and
// write), and one marked read-only. A file that reads the word there
// already, by the bar's rules, is left untouched, read-only or not.
LineSetting setSettingsLine(platform::Files& files, const std::string& path, std::size_t number,
                            std::string_view word);

// Whether line `number` of the file at `path` reads `word`, by the bar's
// rules; never for a file that setSettingsLine would refuse.
bool settingsLineReads(platform::Files& files, const std::string& path, std::size_t number, std::string_view word);

}  // namespace veltrana
