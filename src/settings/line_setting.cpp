#include "settings/line_setting.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/files.h"
#include "settings/error_messages.h"
#include "settings/held_settings.h"
#include "settings/line_reader.h"
#include "settings/settings_file.h"

namespace veltrana {

namespace {

constexpr std::string_view lineEnd = "\r\n";

bool lineReads(std::string_view file, std::size_t number, std::string_view word) {
  LineReader lines(std::make_unique<HeldFile>(file));
  for (std::size_t i = 1; i < number; ++i) lines.next(switchWord(""));
  return lines.next(switchWord(word)).is(word);
}

std::string withSystemReason(std::string clause, int code, const platform::Files& files) {
  return clause + " (" + std::to_string(code) + ": " + systemReason(files.errorText(code)) + ")";
}

}  // namespace

std::string withLineSet(std::string_view file, std::size_t number, std::string_view word) {
  std::size_t start = 0;
  std::size_t linesBefore = 0;
  for (; linesBefore + 1 < number; ++linesBefore) {
    const std::size_t lf = file.find('\n', start);
    if (lf == std::string_view::npos) break;
    start = lf + 1;
  }
  std::string text;
  if (linesBefore + 1 == number) {
    const std::size_t lf = file.find('\n', start);
    text.append(file.substr(0, start)).append(word).append(lineEnd);
    if (lf != std::string_view::npos) text.append(file.substr(lf + 1));
    return text;
  }
  text = file;
  // A last line without its line end gets one; a CR of its own becomes CR LF.
  if (!file.empty() && file.back() != '\n') {
    text += file.back() == '\r' ? "\n" : lineEnd;
    ++linesBefore;
  }
  for (; linesBefore + 1 < number; ++linesBefore) text += lineEnd;
  return text.append(word).append(lineEnd);
}

LineSetting setSettingsLine(platform::Files& files, const std::string& path, std::size_t number,
                            std::string_view word) {
  const HeldSettings held = holdSettings(files, path);
  if (!held.missing() && !held.bytes) return {LineSetting::Outcome::refused, held.refusal};
  if (held.bytes && lineReads(*held.bytes, number, word)) return {LineSetting::Outcome::alreadyThere, {}};
  const auto defaults = startupDefaults();
  const std::string before = held.bytes ? *held.bytes : std::string(defaults.begin(), defaults.end());
  const std::string after = withLineSet(before, number, word);
  const int error =
      files.replaceWith(path, {reinterpret_cast<const std::uint8_t*>(after.data()), after.size()});
  if (error == platform::error::none) return {LineSetting::Outcome::written, {}};
  if (error == platform::error::readOnly) return {LineSetting::Outcome::refused, "the file is marked read-only"};
  return {LineSetting::Outcome::refused, withSystemReason("the file could not be written", error, files)};
}

bool settingsLineReads(platform::Files& files, const std::string& path, std::size_t number, std::string_view word) {
  const HeldSettings held = holdSettings(files, path);
  return held.bytes && lineReads(*held.bytes, number, word);
}

}  // namespace veltrana
