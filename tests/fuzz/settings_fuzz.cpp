// Fuzz target: the settings file reader (every line the bar knows, the
// switches included, as the bar and as Options read them), setup's line
// editor, and the bitmap file reader that skins go through. Any input must be
// read without a crash or a read out of bounds.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "settings/line_reader.h"
#include "settings/line_setting.h"
#include "settings/settings_lines.h"
#include "settings/settings_reading.h"
#include "support/bytes_file.h"
#include "toolkit/bitmap_file.h"

namespace {

// A file system that holds nothing: the reader asks it only to decode a
// faulty line's text for its message.
class NoFiles : public platform::Files {
 public:
  platform::OpenedFile openForReading(const std::string&) override { return {platform::error::fileNotFound, nullptr}; }
  int createWith(const std::string&, std::span<const std::uint8_t>) override { return platform::error::accessDenied; }
  std::optional<platform::FileStamp> stamp(const std::string&) const override { return std::nullopt; }
  platform::FileContents readAll(const std::string&) override { return {platform::error::fileNotFound, {}}; }
  std::string errorText(int) const override { return {}; }
  std::string decodeFileText(std::string_view bytes) const override { return std::string(bytes); }
  int replaceWith(const std::string&, std::span<const std::uint8_t>) override { return platform::error::accessDenied; }
  int createFolder(const std::string&) override { return platform::error::accessDenied; }
  int copyFile(const std::string&, const std::string&) override { return platform::error::accessDenied; }
  void removeLeftovers(const std::string&) override {}
};

// Uneven pieces, so lines and CR LF pairs straddle the reader's refills.
std::unique_ptr<fakes::BytesFile> fileOf(std::span<const std::uint8_t> bytes) {
  return std::make_unique<fakes::BytesFile>(bytes, [](std::size_t position) { return 1 + position % 13; });
}

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
  veltrana::LineReader lines(fileOf(bytes));
  std::size_t total = 0;
  for (std::size_t i = 0; i < veltrana::settingsLines.size(); ++i) {
    const veltrana::SettingsLine line = lines.next();
    if (line.text().size() > veltrana::SettingsLine::keptLength) __builtin_trap();
    total += line.text().size();
    // A short line's integer is the whole text's.
    if (line.whole() && line.integer() != veltrana::parseInteger(line.text())) __builtin_trap();
  }
  if (total > size) __builtin_trap();  // the lines never hold more than the file
  checkLineSetting({reinterpret_cast<const char*>(data), size});

  const NoFiles files;
  const auto stopped = veltrana::readSettings(fileOf(bytes), files, veltrana::AtFault::stop);
  const auto readOn = veltrana::readSettings(fileOf(bytes), files, veltrana::AtFault::readOn);
  // The bar stops at the first fault Options finds, and both read the
  // switches alike (within the bound, which no input here reaches).
  if (stopped.faults.size() != std::min<std::size_t>(readOn.faults.size(), 1) ||
      (!readOn.faults.empty() && stopped.faults.front() != readOn.faults.front()))
    __builtin_trap();
  if (stopped.optionalSwitchesRead &&
      (stopped.values.fit != readOn.values.fit || stopped.values.yieldToFullScreen != readOn.values.yieldToFullScreen ||
       stopped.values.reserveStrip != readOn.values.reserveStrip ||
       stopped.values.taskManagerFigures != readOn.values.taskManagerFigures))
    __builtin_trap();

  const toolkit::BitmapFile bitmap = toolkit::decodeBitmapFile(bytes);
  if (bitmap.error == toolkit::BitmapFile::Error::none &&
      bitmap.picture.pixels.size() != static_cast<std::size_t>(bitmap.picture.width) * bitmap.picture.height)
    __builtin_trap();
  return 0;
}
