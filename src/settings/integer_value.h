#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace veltrana {

// Reads a signed 32-bit integer as the settings file writes numbers, one
// character at a time: leading spaces, one optional sign, "$", "x", "X", "0x"
// or "0X" for hexadecimal digits, and nothing else. It keeps a few bytes of
// state whatever the length of the text, so a line of any size is decided in
// one pass over it.
class IntegerScanner {
 public:
  void feed(char c);
  // The value of everything fed so far; nothing when it is not an integer.
  std::optional<std::int32_t> value() const;
  // Whether more characters could still make an integer.
  bool possible() const { return state_ != State::invalid; }
  // A character that, fed now, would change nothing: a space before the
  // number, a zero before its first other digit; -1 when there is none.
  int idleCharacter() const {
    if (state_ == State::spaces) return ' ';
    if (state_ == State::digits && magnitude_ == 0) return '0';
    return -1;
  }

 private:
  enum class State { spaces, afterSign, leadingZero, digitsNeeded, digits, invalid };

  void digit(char c);

  State state_ = State::spaces;
  bool negative_ = false;
  int base_ = 10;
  std::int64_t magnitude_ = 0;
};

std::optional<std::int32_t> parseInteger(std::string_view text);

}  // namespace veltrana
