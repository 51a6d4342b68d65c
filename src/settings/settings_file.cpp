#include "settings/settings_file.h"

#include <string_view>

namespace veltrana {

namespace {

constexpr std::string_view startupText = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
constexpr std::string_view reloadText = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\n";
constexpr std::size_t chunk = 4096;

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string settingsFolderFrom(const std::string& personalFolder) {
  std::string folder = personalFolder;
  // Some shells give the folder with a trailing backslash; it is not doubled.
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder + "\\VTR\\";
}

std::string driveOf(const std::string& personalFolder) {
  return (personalFolder.empty() ? std::string() : personalFolder.substr(0, 1)) + ":\\";
}

std::span<const std::uint8_t> startupDefaults() { return bytesOf(startupText); }
std::span<const std::uint8_t> reloadDefaults() { return bytesOf(reloadText); }

LineReader::LineReader(std::unique_ptr<platform::ReadableFile> file) : file_(std::move(file)) {}

int LineReader::peek() {
  if (position_ == filled_) {
    if (ended_ || !file_) return -1;
    // Not zeroed first: the file fills what is read.
    if (!buffer_) buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(chunk);
    filled_ = file_->read({buffer_.get(), chunk});
    position_ = 0;
    if (filled_ == 0) {
      ended_ = true;
      return -1;
    }
  }
  return buffer_[position_];
}

int LineReader::get() {
  const int c = peek();
  if (c >= 0) ++position_;
  return c;
}

std::string LineReader::next() {
  std::string line;
  for (;;) {
    const int c = get();
    if (c < 0 || c == '\n') break;
    if (c == '\r') {
      if (peek() == '\n') {
        get();
        break;
      }
      continue;  // a lone CR is dropped
    }
    line += static_cast<char>(c);
  }
  return line;
}

std::optional<std::int32_t> parseInteger(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  std::int64_t magnitude = 0;
  constexpr std::int64_t limit = std::int64_t{1} << 31;  // the magnitude of the lowest value
  for (; i < text.size(); ++i) {
    const int d = digitValue(text[i]);
    if (d < 0 || d >= base) return std::nullopt;
    magnitude = magnitude * base + d;
    if (magnitude > limit) return std::nullopt;
  }
  const std::int64_t value = negative ? -magnitude : magnitude;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

}  // namespace veltrana
