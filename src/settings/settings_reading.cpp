#include "settings/settings_reading.h"

#include "settings/error_messages.h"
#include "settings/line_reader.h"

namespace veltrana {

namespace {

class Reading {
 public:
  Reading(LineReader& lines, const platform::Files& files) : lines_(lines), files_(files) {}

  SettingsReading read() {
    SettingsValues& v = result_.values;
    integer(v.updateInterval);
    integer(v.hideTime);
    background(v.background);
    integer(v.captionColour);
    integer(v.valueColour);
    v.autostart = next().is("True");
    v.moveMode = next().is("Move");
    return std::move(result_);
  }

 private:
  SettingsLine next() {
    ++number_;
    return lines_.next();
  }

  void integer(std::int32_t& value) {
    const SettingsLine line = next();
    if (const auto read = line.integer())
      value = *read;
    else
      fault(line);
  }

  // A skin name as the bar compares it, whole and case included; anything
  // else is a colour number.
  void background(Background& value) {
    const SettingsLine line = next();
    for (std::size_t i = 0; i < skinNames.size(); ++i) {
      if (line.is(skinNames[i])) {
        value = static_cast<Skin>(i);
        return;
      }
    }
    if (const auto colour = line.integer())
      value = PlainColour{*colour};
    else
      fault(line);
  }

  void fault(const SettingsLine& line) { result_.faults.push_back({number_, invalidIntegerMessage(line, files_)}); }

  LineReader& lines_;
  const platform::Files& files_;
  SettingsReading result_;
  int number_ = 0;
};

}  // namespace

SettingsReading readSettings(LineReader& lines, const platform::Files& files) { return Reading(lines, files).read(); }

}  // namespace veltrana
