#include "settings/settings_writer.h"

#include <algorithm>

#include "settings/settings_lines.h"

namespace veltrana {

namespace {

struct LineText {
  const SettingsValues& values;
  std::string operator()(NumberLine value) const { return std::to_string(values.*value); }
  std::string operator()(BackgroundLine value) const {
    if (const Skin* skin = std::get_if<Skin>(&(values.*value))) return std::string(nameOf(*skin));
    return std::to_string(std::get<PlainColour>(values.*value).value);
  }
  std::string operator()(const SwitchLine& rule) const { return std::string(values.*rule.value ? rule.on : rule.off); }
  std::string operator()(NameLine value) const { return values.*value.value; }
};

}  // namespace

std::string settingsText(const SettingsValues& values, std::size_t lines) {
  std::string text;
  for (std::size_t i = 0; i < lines && i < settingsLines.size(); ++i) text += settingsLineText(values, i + 1) + "\r\n";
  return text;
}

std::string settingsLineText(const SettingsValues& values, std::size_t number) {
  return std::visit(LineText{values}, settingsLines.at(number - 1));
}

std::size_t linesToWrite(const SettingsValues& values, std::size_t linesInFile) {
  std::size_t lines = std::max(settingsLineCount, std::min(linesInFile, settingsLines.size()));
  for (std::size_t i = settingsLineCount; i < settingsLines.size(); ++i) {
    const auto* rule = std::get_if<SwitchLine>(&settingsLines[i]);
    const auto* name = std::get_if<NameLine>(&settingsLines[i]);
    if ((rule && values.*rule->value) || (name && !(values.*name->value).empty())) lines = std::max(lines, i + 1);
  }
  return lines;
}

}  // namespace veltrana
