#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "settings/settings_values.h"

namespace veltrana {

// The lines of the settings file, in order, and what each holds. The reader,
// the writer and the Options program all go by this table: a new line is
// added here, and where the bar applies it.

// A number: a signed 32-bit integer by the file's rules.
using NumberLine = std::int32_t SettingsValues::*;
// The background: a skin's name, else a colour number.
using BackgroundLine = Background SettingsValues::*;
// A switch: on when the line is exactly one word, case included; off for any
// other text, which is never an error.
struct SwitchLine {
  bool SettingsValues::*value;
  std::string_view on;
  std::string_view off;  // what the writer puts for off: nothing for an optional switch
};
// A name, never an error: a monitor's device name. Kept whole up to a length
// no such name reaches; a longer line keeps its start, which names nothing.
struct NameLine {
  std::string SettingsValues::*value;
};
inline constexpr std::size_t longestName = 64;
using LineRule = std::variant<NumberLine, BackgroundLine, SwitchLine, NameLine>;

// Far more than the settings take: a larger file is not a settings file.
// Setup neither searches nor changes one, and the bar does not search one
// that failed past these bytes for its optional switches.
inline constexpr std::size_t largestSettingsFile = 64 * 1024;

inline constexpr std::array<LineRule, 12> settingsLines{{
    NumberLine{&SettingsValues::updateInterval},
    NumberLine{&SettingsValues::hideTime},
    BackgroundLine{&SettingsValues::background},
    NumberLine{&SettingsValues::captionColour},
    NumberLine{&SettingsValues::valueColour},
    SwitchLine{&SettingsValues::autostart, "True", "False"},
    SwitchLine{&SettingsValues::moveMode, "Move", "Stay"},
    // Optional switches: a file without them works with every version.
    SwitchLine{&SettingsValues::fit, "Fit", ""},
    SwitchLine{&SettingsValues::yieldToFullScreen, "Yield", ""},
    SwitchLine{&SettingsValues::reserveStrip, "Reserve", ""},
    SwitchLine{&SettingsValues::taskManagerFigures, "Match", ""},
    // Optional, and read like the switches: the bar's monitor.
    NameLine{&SettingsValues::monitor},
}};

}  // namespace veltrana
