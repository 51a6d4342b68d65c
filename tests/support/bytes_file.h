#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/files.h"

namespace fakes {

// An open file whose bytes are in memory. A piece rule makes reads shorter
// than asked (at most rule(position) bytes each), so that lines straddle the
// reader's refills; without one a read takes all it is asked for.
class BytesFile : public platform::ReadableFile {
 public:
  using PieceRule = std::function<std::size_t(std::size_t position)>;

  explicit BytesFile(std::span<const std::uint8_t> bytes, PieceRule piece = {})
      : bytes_(bytes.begin(), bytes.end()), piece_(std::move(piece)) {}
  explicit BytesFile(std::string_view text, PieceRule piece = {})
      : BytesFile(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), std::move(piece)) {}

  std::size_t read(std::span<std::uint8_t> buffer) override {
    std::size_t n = std::min(buffer.size(), bytes_.size() - position_);
    if (piece_) n = std::min(n, piece_(position_));
    std::copy_n(bytes_.begin() + static_cast<std::ptrdiff_t>(position_), n, buffer.begin());
    position_ += n;
    return n;
  }

 private:
  std::vector<std::uint8_t> bytes_;
  std::size_t position_ = 0;
  PieceRule piece_;
};

}  // namespace fakes
