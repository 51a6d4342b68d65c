#include "settings/integer_value.h"

namespace veltrana {

namespace {

int digitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool isHexPrefix(char c) { return c == '$' || c == 'x' || c == 'X'; }

// The magnitude of the lowest value; anything larger cannot come back into range.
constexpr std::int64_t magnitudeLimit = std::int64_t{1} << 31;

}  // namespace

void IntegerScanner::feed(char c) {
  switch (state_) {
    case State::spaces:
      if (c == ' ') return;
      if (c == '+' || c == '-') {
        negative_ = c == '-';
        state_ = State::afterSign;
        return;
      }
      [[fallthrough]];
    case State::afterSign:
      if (isHexPrefix(c)) {
        base_ = 16;
        state_ = State::digitsNeeded;
      } else if (c == '0') {
        state_ = State::leadingZero;  // a digit, or the start of "0x"
      } else {
        digit(c);
      }
      return;
    case State::leadingZero:
      if (c == 'x' || c == 'X') {
        base_ = 16;
        state_ = State::digitsNeeded;
      } else {
        digit(c);
      }
      return;
    case State::digitsNeeded:
    case State::digits:
      digit(c);
      return;
    case State::invalid:
      return;
  }
}

void IntegerScanner::digit(char c) {
  const int d = digitValue(c);
  if (d < 0 || d >= base_) {
    state_ = State::invalid;
    return;
  }
  magnitude_ = magnitude_ * base_ + d;
  state_ = magnitude_ > magnitudeLimit ? State::invalid : State::digits;
}

std::optional<std::int32_t> IntegerScanner::value() const {
  if (state_ != State::digits && state_ != State::leadingZero) return std::nullopt;
  const std::int64_t value = negative_ ? -magnitude_ : magnitude_;
  if (value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> parseInteger(std::string_view text) {
  IntegerScanner scanner;
  for (char c : text) scanner.feed(c);
  return scanner.value();
}

}  // namespace veltrana
