#include "settings/settings_writer.h"

#include <array>
#include <string_view>

namespace veltrana {

namespace {

struct BackgroundLine {
  std::string operator()(Skin skin) const { return std::string(nameOf(skin)); }
  std::string operator()(PlainColour colour) const { return std::to_string(colour.value); }
};

}  // namespace

std::string settingsText(const SettingsValues& values, std::size_t lines) {
  const std::array<std::string, settingsLineCount> texts{
      std::to_string(values.updateInterval),
      std::to_string(values.hideTime),
      std::visit(BackgroundLine{}, values.background),
      std::to_string(values.captionColour),
      std::to_string(values.valueColour),
      values.autostart ? "True" : "False",
      values.moveMode ? "Move" : "Stay",
  };
  std::string text;
  for (std::size_t i = 0; i < lines && i < texts.size(); ++i) text += texts[i] + "\r\n";
  return text;
}

}  // namespace veltrana
