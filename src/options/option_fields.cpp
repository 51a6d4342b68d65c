#include "options/option_fields.h"

#include "common/dpi.h"
#include "common/text.h"
#include "settings/integer_value.h"

namespace veltrana::options {

OptionFields fieldsFor(const SettingsValues& values) {
  OptionFields fields;
  fields.values = values;
  fields.updateInterval = std::to_string(values.updateInterval);
  fields.hideTime = std::to_string(values.hideTime);
  if (const Skin* skin = std::get_if<Skin>(&values.background))
    fields.skin = *skin;
  else
    fields.backgroundColour = std::get<PlainColour>(values.background).value;
  return fields;
}

std::optional<std::int32_t> secondsFrom(std::string_view text) {
  const auto value = parseInteger(trimmed(text));
  if (!value || *value < 0 || *value > longestSeconds) return std::nullopt;
  return value;
}

std::string outOfRangeMessage(std::string_view fieldName) {
  return std::string(fieldName) + " must be a whole number of seconds from 0 to " + std::to_string(longestSeconds) +
         ".";
}

std::string screenText(const Screen& screen) {
  return std::to_string(screen.width) + " x " + std::to_string(screen.height) + " at " +
         std::to_string((screen.dpi * 100 + designDpi / 2) / designDpi) + " %";
}

FieldCheck valuesFrom(const OptionFields& fields) {
  FieldCheck check;
  const auto interval = secondsFrom(fields.updateInterval);
  if (!interval) {
    check.field = Field::updateInterval;
    check.message = outOfRangeMessage(updateIntervalName);
    return check;
  }
  const auto hide = secondsFrom(fields.hideTime);
  if (!hide) {
    check.field = Field::hideTime;
    check.message = outOfRangeMessage(hideTimeName);
    return check;
  }
  SettingsValues values = fields.values;
  values.updateInterval = *interval;
  values.hideTime = *hide;
  values.background = fields.skin ? Background{*fields.skin} : Background{PlainColour{fields.backgroundColour}};
  check.values = values;
  return check;
}

}  // namespace veltrana::options
