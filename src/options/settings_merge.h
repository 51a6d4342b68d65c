#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings_values.h"

namespace veltrana::options {

// What the Options dialog writes when another writer (setup's /fit, a text
// editor, a second copy of Options) may have changed the settings file since
// the dialog read it.
struct MergedSettings {
  std::string text;         // the file to write
  std::vector<int> taken;   // lines written as the other writer left them, unlike the dialog's
  std::vector<int> kept;    // lines both changed, differently: written as the dialog has them
};

// A line the user changed in the dialog (where `shown` differs from
// `opened`, the values the dialog opened with) is written as the dialog has
// it; a line the file changed since (where `current` differs from `base`)
// as the file has it now; every other line as the dialog has it, a line the
// bar would refuse at its default, as the dialog showed it. The lines after
// those the program knows are kept byte for byte.
// `base` is the file as the dialog read it: nothing when the dialog opened
// without its bytes (no file, or one it could not hold), and then the lines
// the dialog showed stand for it. `current` is the file now: nothing when
// there is none.
MergedSettings mergeSettings(const std::optional<std::string>& base, const SettingsValues& opened,
                             const std::optional<std::string>& current, const SettingsValues& shown);

}  // namespace veltrana::options
