#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/screen.h"
#include "options/options_ids.h"
#include "settings/settings_values.h"

namespace veltrana::options {

// The Options dialog's fields as plain values, apart from the window system:
// the two edit boxes hold text, everything else a value.

// The longest interval the bar can time: it counts milliseconds in a 32-bit
// number, and 2,147,484 s would overflow it.
inline constexpr std::int32_t longestSeconds = 2147483;

inline constexpr std::string_view updateIntervalName = "Update interval";
inline constexpr std::string_view hideTimeName = "Hide time";

// The background colour offered when the file names a skin: a plain silver.
inline constexpr std::int32_t firstBackgroundColour = 0xC0C0C0;

struct OptionFields {
  // The lines as values: the colours and the switches are shown as they are;
  // the interval, the hide time and the background come from the fields below.
  SettingsValues values;
  std::string updateInterval;
  std::string hideTime;
  std::optional<Skin> skin;  // nothing: the plain colour
  std::int32_t backgroundColour = firstBackgroundColour;
};

// The dialog's check boxes, each the switch of a line of the settings file:
// a new switch line is one more entry here, and its box in the template.
struct SwitchBox {
  int control;
  bool SettingsValues::*value;
};
inline constexpr std::array<SwitchBox, 6> switchBoxes{{
    {OPTIONS_AUTOSTART, &SettingsValues::autostart},
    {OPTIONS_MOVE_MODE, &SettingsValues::moveMode},
    {OPTIONS_FIT, &SettingsValues::fit},
    {OPTIONS_YIELD, &SettingsValues::yieldToFullScreen},
    {OPTIONS_RESERVE, &SettingsValues::reserveStrip},
    {OPTIONS_MATCH, &SettingsValues::taskManagerFigures},
}};

OptionFields fieldsFor(const SettingsValues& values);

enum class Field { none, updateInterval, hideTime };

struct FieldCheck {
  std::optional<SettingsValues> values;  // when every field is in range
  Field field = Field::none;             // else the first field out of range
  std::string message;                   // naming it and its range
};

// The values the fields give, or why not.
FieldCheck valuesFrom(const OptionFields& fields);

// A seconds field's text read as the settings file reads a number (blanks
// around it allowed), within 0 to longestSeconds.
std::optional<std::int32_t> secondsFrom(std::string_view text);
std::string outOfRangeMessage(std::string_view fieldName);

// A screen as the fitting check box names it: "1920 x 1080 at 150 %".
std::string screenText(const Screen& screen);

}  // namespace veltrana::options
