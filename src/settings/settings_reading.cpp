#include "settings/settings_reading.h"

#include "common/text.h"
#include "platform/files.h"
#include "settings/error_messages.h"
#include "settings/line_reader.h"
#include "settings/settings_lines.h"

namespace veltrana {

namespace {

// What a switch line keeps: enough to tell a near miss of its word.
constexpr LineNeed switchLine{numberOrName.kept, false};

// Another case, or blanks around the word: off, but most likely meant as on.
bool nearly(const SettingsLine& line, std::string_view word) {
  return line.whole() && sameIgnoringCase(trimmed(line.text()), word);
}

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

  // Passes over a line without reading it.
  void skip() {
    ++number_;
    lines_.next({0, false});
  }

  LineReader& lines() { return lines_; }
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
    const SettingsLine line = lines_.next(switchLine);
    result_.values.*rule.value = line.is(rule.on);
    if (!line.is(rule.on) && nearly(line, rule.on)) result_.nearlySwitches.push_back({number_, line.text(), rule.on});
    return true;
  }

  bool read(NameLine value) {
    result_.values.*value.value = lines_.next({longestName, false}).text();
    return true;
  }

  bool fault(const SettingsLine& line) {
    const auto notText = notTextMessage(line, number_, files_);
    result_.faults.push_back(
        {number_, notText.value_or(invalidIntegerMessage(line, files_)), number_ == 1 && startsUtf16(line)});
    return false;
  }

  LineReader lines_;
  const platform::Files& files_;
  SettingsReading result_;
  int number_ = 0;
};

bool optionalSwitch(std::size_t index) { return index >= settingsLineCount; }

}  // namespace

SettingsReading readSettings(std::unique_ptr<platform::ReadableFile> file, const platform::Files& files,
                             AtFault atFault) {
  Reading reading(std::move(file), files);
  SettingsReading& result = reading.result();
  bool stopped = false;
  for (std::size_t i = 0; i < settingsLines.size(); ++i) {
    if (stopped && !optionalSwitch(i)) {
      reading.skip();
      continue;
    }
    if (reading.read(settingsLines[i])) {
      if (result.faults.empty()) ++result.linesBeforeFault;
      continue;
    }
    if (result.faults.back().wholeFile) {
      result.optionalSwitchesRead = false;
      break;
    }
    if (atFault == AtFault::stop && !stopped) {
      stopped = true;
      // A faulty line may be a huge one, which is not read to its end for
      // the switches after it.
      reading.lines().stopAt(largestSettingsFile);
    }
  }
  if (reading.lines().stopped()) result.optionalSwitchesRead = false;
  return std::move(result);
}

}  // namespace veltrana
