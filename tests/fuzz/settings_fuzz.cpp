// Fuzz target: the settings file reader and integer rules, and the bitmap file
// reader that skins go through. Any input must be read without a crash or a
// read out of bounds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

#include "settings/line_reader.h"
#include "support/bytes_file.h"
#include "toolkit/bitmap_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  // Uneven pieces, so lines and CR LF pairs straddle the reader's refills.
  veltrana::LineReader lines(
      std::make_unique<fakes::BytesFile>(bytes, [](std::size_t position) { return 1 + position % 13; }));
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
