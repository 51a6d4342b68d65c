#include "settings/settings_reading.h"

#include "platform/files.h"
#include "settings/error_messages.h"
#include "settings/line_reader.h"
#include "settings/settings_lines.h"

namespace veltrana {

namespace {

class Reading {
 public:
  Reading(std::unique_ptr<platform::ReadableFile> file, const platform::Files& files)
      : lines_(std::move(file)), files_(files) {}

  // Reads one line into the values; false when it is faulty.
  bool read(const LineRule& rule) {
    ++number_;
    const bool valid = std::visit([this](const auto& r) { return read(r); }, rule);
    if (lines_.lastInFile()) result_.linesInFile = static_cast<std::size_t>(number_);
    return valid;
  }

  SettingsReading& result() { return result_; }

 private:
  bool read(NumberLine value) {
    const SettingsLine line = lines_.next(numberOrName);
    if (const auto number = line.integer()) {
      result_.values.*value = *number;
      return true;
    }
    return fault(line);
  }

  // A skin name as the bar compares it, whole and case included; anything
  // else is a colour number.
  bool read(BackgroundLine value) {
    const SettingsLine line = lines_.next(numberOrName);
    for (std::size_t i = 0; i < skinNames.size(); ++i) {
      if (line.is(skinNames[i])) {
        result_.values.*value = static_cast<Skin>(i);
        return true;
      }
    }
    if (const auto colour = line.integer()) {
      result_.values.*value = PlainColour{*colour};
      return true;
    }
    return fault(line);
  }

  bool read(const SwitchLine& rule) {
    result_.values.*rule.value = lines_.next(switchWord(rule.on)).is(rule.on);
    return true;
  }

  bool fault(const SettingsLine& line) {
    result_.faults.push_back({number_, invalidIntegerMessage(line, files_)});
    return false;
  }

  LineReader lines_;
  const platform::Files& files_;
  SettingsReading result_;
  int number_ = 0;
};

}  // namespace

SettingsReading readSettings(std::unique_ptr<platform::ReadableFile> file, const platform::Files& files,
                             AtFault atFault) {
  Reading reading(std::move(file), files);
  SettingsReading& result = reading.result();
  for (const LineRule& rule : settingsLines) {
    if (reading.read(rule)) {
      if (result.faults.empty()) ++result.linesBeforeFault;
    } else if (atFault == AtFault::stop) {
      break;
    }
  }
  return std::move(result);
}

}  // namespace veltrana
