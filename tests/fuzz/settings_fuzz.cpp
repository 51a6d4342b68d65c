// Fuzz target: the settings file reader and integer rules, and the bitmap file
// reader that skins go through. Any input must be read without a crash or a
// read out of bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>

#include "platform/files.h"
#include "settings/line_reader.h"
#include "toolkit/bitmap_file.h"

namespace {

class BytesFile : public platform::ReadableFile {
 public:
  explicit BytesFile(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::size_t read(std::span<std::uint8_t> buffer) override {
    // Uneven pieces, so lines and CR LF pairs straddle the reader's refills.
    const std::size_t n = std::min<std::size_t>({buffer.size(), bytes_.size() - position_, 1 + position_ % 13});
    std::memcpy(buffer.data(), bytes_.data() + position_, n);
    position_ += n;
    return n;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t position_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  veltrana::LineReader lines(std::make_unique<BytesFile>(bytes));
  std::size_t total = 0;
  for (int i = 0; i < 9; ++i) {
    const veltrana::SettingsLine line = lines.next();
    if (line.text().size() > veltrana::SettingsLine::keptLength) __builtin_trap();
    total += line.text().size();
    // A short line's integer is the whole text's.
    if (line.whole() && line.integer() != veltrana::parseInteger(line.text())) __builtin_trap();
  }
  if (total > size) __builtin_trap();  // the lines never hold more than the file

  const toolkit::BitmapFile bitmap = toolkit::decodeBitmapFile(bytes);
  if (bitmap.error == toolkit::BitmapFile::Error::none &&
      bitmap.picture.pixels.size() != static_cast<std::size_t>(bitmap.picture.width) * bitmap.picture.height)
    __builtin_trap();
  return 0;
}
