// Fuzz target: the settings file reader and integer rules, setup's line
// editor, and the bitmap file reader that skins go through. Any input must be
// read without a crash or a read out of bounds.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/line_reader.h"
#include "settings/line_setting.h"
#include "support/bytes_file.h"
#include "toolkit/bitmap_file.h"

namespace {

// The first lines of a file as the bar reads them, with whether each was whole.
std::vector<std::pair<std::string, bool>> readLines(std::string_view file, int count) {
  veltrana::LineReader lines(std::make_unique<fakes::BytesFile>(file));
  std::vector<std::pair<std::string, bool>> read;
  for (int i = 0; i < count; ++i) {
    const veltrana::SettingsLine line = lines.next();
    read.emplace_back(line.text(), line.whole());
  }
  return read;
}

// Setting line 8 changes what the bar reads there and nowhere else, and
// setting it again changes nothing.
void checkLineSetting(std::string_view file) {
  constexpr int fitLine = 8;
  const std::string set = veltrana::withLineSet(file, fitLine, "Fit");
  auto before = readLines(file, 12);
  const auto after = readLines(set, 12);
  before[fitLine - 1] = {"Fit", true};
  if (after != before) __builtin_trap();
  if (veltrana::withLineSet(set, fitLine, "Fit") != set) __builtin_trap();
}

}  // namespace

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
  checkLineSetting({reinterpret_cast<const char*>(data), size});

  const toolkit::BitmapFile bitmap = toolkit::decodeBitmapFile(bytes);
  if (bitmap.error == toolkit::BitmapFile::Error::none &&
      bitmap.picture.pixels.size() != static_cast<std::size_t>(bitmap.picture.width) * bitmap.picture.height)
    __builtin_trap();
  return 0;
}
