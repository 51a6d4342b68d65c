#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "settings/integer_value.h"

namespace platform {
class ReadableFile;
}

namespace veltrana {

// One line of the settings file, kept only as far as a decision needs it.
// A line has no length limit, but every name the file uses is short and an
// integer is decided character by character, so a long line keeps its start
// (for a report) and its integer reading, never its whole text.
class SettingsLine {
 public:
  // How much of a line is kept: enough to quote in a report.
  static constexpr std::size_t keptLength = 60;

  SettingsLine() = default;
  explicit SettingsLine(std::string_view text);

  // The whole line when it is short, else its first keptLength bytes.
  const std::string& text() const { return start_; }
  // Whether text() is the whole line.
  bool whole() const { return whole_; }
  // Whether the line is exactly `name`, compared whole, case included.
  bool is(std::string_view name) const { return whole_ && start_ == name; }
  // The line read as a settings integer.
  std::optional<std::int32_t> integer() const { return integer_.value(); }

  void append(char c);
  // Nothing more of the line can change a decision: it is too long to be a
  // name and can no longer be an integer.
  bool settled() const { return !whole_ && !integer_.possible(); }

 private:
  std::string start_;
  bool whole_ = true;
  IntegerScanner integer_;
};

// Reads an open settings file line by line. A line ends at LF or CR LF; a CR
// not followed by LF is dropped; past the end every line reads as empty text.
// Destroying the reader closes the file.
class LineReader {
 public:
  explicit LineReader(std::unique_ptr<platform::ReadableFile> file);
  ~LineReader();
  LineReader(LineReader&&) noexcept;
  LineReader& operator=(LineReader&&) noexcept;

  SettingsLine next();

 private:
  int get();
  int peek();
  void skipRestOfLine();

  std::unique_ptr<platform::ReadableFile> file_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  bool ended_ = false;
};

}  // namespace veltrana
