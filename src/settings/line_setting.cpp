#include "settings/line_setting.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>

#include "platform/files.h"
#include "settings/error_messages.h"
#include "settings/line_reader.h"
#include "settings/settings_file.h"

namespace veltrana {

namespace {

constexpr std::string_view lineEnd = "\r\n";

// Bytes already in memory, for the line reader.
class HeldFile : public platform::ReadableFile {
 public:
  explicit HeldFile(std::string_view bytes) : bytes_(bytes) {}
  std::size_t read(std::span<std::uint8_t> buffer) override {
    const std::size_t n = std::min(buffer.size(), bytes_.size());
    std::copy_n(bytes_.begin(), n, buffer.begin());
    bytes_.remove_prefix(n);
    return n;
  }

 private:
  std::string_view bytes_;
};

bool lineReads(std::string_view file, std::size_t number, std::string_view word) {
  LineReader lines(std::make_unique<HeldFile>(file));
  for (std::size_t i = 1; i < number; ++i) lines.next(switchWord(""));
  return lines.next(switchWord(word)).is(word);
}

bool startsWithUtf16Mark(std::string_view file) { return file.starts_with("\xFF\xFE") || file.starts_with("\xFE\xFF"); }

std::string withSystemReason(std::string clause, int code, const platform::Files& files) {
  return clause + " (" + std::to_string(code) + ": " + systemReason(files.errorText(code)) + ")";
}

// The file as it is: nothing when there is none, or why it is to be left alone.
struct Held {
  std::optional<std::string> bytes;
  std::string refusal;
};

Held hold(platform::Files& files, const std::string& path) {
  platform::OpenedFile opened = files.openForReading(path);
  if (opened.error == platform::error::fileNotFound || opened.error == platform::error::pathNotFound) return {};
  if (opened.error) return {std::nullopt, withSystemReason("the file cannot be read", opened.error, files)};
  std::string bytes(largestSettingsFile + 1, '\0');
  std::size_t got = 0;
  while (got < bytes.size()) {
    const std::size_t n = opened.file->read({reinterpret_cast<std::uint8_t*>(bytes.data()) + got, bytes.size() - got});
    if (n == 0) break;
    got += n;
  }
  bytes.resize(got);
  if (got > largestSettingsFile) return {std::nullopt, "the file is larger than settings get (64 KB)"};
  // A failed read looks like the end of the file: only the file's own size
  // tells that it was read whole. No one can write it while it is open here.
  const auto stamp = files.stamp(path);
  if (!stamp || stamp->size != got) return {std::nullopt, "the file cannot be read"};
  if (startsWithUtf16Mark(bytes)) return {std::nullopt, "the file is UTF-16 text, not the 8-bit text of settings"};
  return {std::move(bytes), {}};
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
  Held held = hold(files, path);
  if (!held.refusal.empty()) return {LineSetting::Outcome::refused, held.refusal};
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
  const Held held = hold(files, path);
  return held.bytes && lineReads(*held.bytes, number, word);
}

}  // namespace veltrana
