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

// What a line is read for, which decides how much of it must be looked at.
struct LineNeed {
  // How much of the line's start is kept, for a comparison or a report.
  std::size_t kept;
  // Whether the line may be a number, which only its end can decide.
  bool number;
};
// A number or a name: the start for a report, and the integer reading.
inline constexpr LineNeed numberOrName{60, true};
// A switch: one word, and nothing longer can be it.
constexpr LineNeed switchWord(std::string_view word) { return {word.size(), false}; }

// One line of the settings file, kept only as far as a decision needs it.
// A line has no length limit, but every name the file uses is short and an
// integer is decided character by character, so a long line keeps its start
// (for a report) and its integer reading, never its whole text.
class SettingsLine {
 public:
  // How much of a line a report quotes.
  static constexpr std::size_t keptLength = numberOrName.kept;

  explicit SettingsLine(LineNeed need = numberOrName) : need_(need) {}
  SettingsLine(std::string_view text, LineNeed need = numberOrName);

  // The whole line when it is short, else its first bytes.
  const std::string& text() const { return start_; }
  // Whether text() is the whole line.
  bool whole() const { return whole_; }
  // Whether the line is exactly `name`, compared whole, case included.
  bool is(std::string_view name) const { return whole_ && start_ == name; }
  // The line read as a settings integer.
  std::optional<std::int32_t> integer() const { return integer_.value(); }

  void append(char c);
  // Nothing more of the line can change what it is read for.
  bool settled() const { return !whole_ && (!need_.number || !integer_.possible()); }
  // A character that, appended now, would change nothing at all; -1 when none.
  int idleCharacter() const { return !whole_ && need_.number ? integer_.idleCharacter() : -1; }

 private:
  LineNeed need_;
  std::string start_;
  bool whole_ = true;
  IntegerScanner integer_;
};

// Reads an open settings file line by line. A line ends at LF or CR LF; a CR
// not followed by LF is dropped; past the end every line reads as empty text.
// A line is read only as far as it is needed: the rest of it is passed over
// when the next line is asked for, and never when none is. Destroying the
// reader closes the file.
class LineReader {
 public:
  explicit LineReader(std::unique_ptr<platform::ReadableFile> file);
  ~LineReader();
  LineReader(LineReader&&) noexcept;
  LineReader& operator=(LineReader&&) noexcept;

  SettingsLine next(LineNeed need = numberOrName);
  // Whether the line last read is in the file, rather than past its end.
  bool lastInFile() const { return lastInFile_; }
  // Takes nothing more from the file once this many bytes have been taken:
  // past them every line reads as empty text.
  void stopAt(std::uint64_t bytes) { stopAt_ = bytes; }
  // Whether the reading stopped at that bound with the file not yet at its end.
  bool stopped() const { return stopped_; }
  // Bytes taken from the file so far.
  std::uint64_t bytesRead() const { return bytesRead_; }

 private:
  int get();
  int peek();
  void skipRestOfLine();

  std::unique_ptr<platform::ReadableFile> file_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  std::uint64_t bytesRead_ = 0;
  bool ended_ = false;
  std::uint64_t stopAt_ = UINT64_MAX;
  bool stopped_ = false;
  // The line last returned was decided before its end.
  bool unfinished_ = false;
  bool lastInFile_ = false;
};

}  // namespace veltrana
