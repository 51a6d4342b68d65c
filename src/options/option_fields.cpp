#include "options/option_fields.h"

#include "platform/dpi.h"
#include "settings/integer_value.h"

namespace veltrana::options {

namespace {

bool blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

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

std::string screenText(int width, int height, int dpi) {
  return std::to_string(width) + " x " + std::to_string(height) + " at " +
         std::to_string((dpi * 100 + platform::designDpi / 2) / platform::designDpi) + " %";
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
