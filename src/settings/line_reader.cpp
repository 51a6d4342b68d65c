#include "settings/line_reader.h"

#include <algorithm>
#include <cstring>

#include "platform/files.h"

namespace veltrana {

namespace {
constexpr std::size_t chunk = 64 * 1024;
}

SettingsLine::SettingsLine(std::string_view text, LineNeed need) : need_(need) {
  for (char c : text) append(c);
}

void SettingsLine::append(char c) {
  if (start_.size() < need_.kept)
    start_ += c;
  else
    whole_ = false;
  if (need_.number) integer_.feed(c);
}

LineReader::LineReader(std::unique_ptr<platform::ReadableFile> file) : file_(std::move(file)) {}
LineReader::~LineReader() = default;
LineReader::LineReader(LineReader&&) noexcept = default;
LineReader& LineReader::operator=(LineReader&&) noexcept = default;

int LineReader::peek() {
  if (position_ == filled_) {
    if (ended_ || !file_) return -1;
    if (bytesRead_ >= stopAt_) {
      stopped_ = true;
      return -1;
    }
    // Not zeroed first: the file fills what is read.
    if (!buffer_) buffer_ = std::make_unique_for_overwrite<std::uint8_t[]>(chunk);
    filled_ = file_->read({buffer_.get(), static_cast<std::size_t>(std::min<std::uint64_t>(chunk, stopAt_ - bytesRead_))});
    bytesRead_ += filled_;
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

SettingsLine LineReader::next(LineNeed need) {
  if (unfinished_) skipRestOfLine();
  unfinished_ = false;
  lastInFile_ = peek() >= 0;
  SettingsLine line(need);
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
    line.append(static_cast<char>(c));
    if (line.settled()) {
      unfinished_ = true;
      break;
    }
    // A valid number may be led by any number of spaces or zeros: they are
    // passed over in one go.
    if (const int idle = line.idleCharacter(); idle >= 0)
      while (position_ < filled_ && buffer_[position_] == idle) ++position_;
  }
  return line;
}

// A lone CR is dropped and changes nothing here: the line ends at the next LF.
void LineReader::skipRestOfLine() {
  while (peek() >= 0) {
    const auto* start = buffer_.get() + position_;
    if (const void* lf = std::memchr(start, '\n', filled_ - position_)) {
      position_ += static_cast<std::size_t>(static_cast<const std::uint8_t*>(lf) - start) + 1;
      return;
    }
    position_ = filled_;
  }
}

}  // namespace veltrana
