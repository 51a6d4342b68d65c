#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/files.h"

namespace veltrana {

inline constexpr char settingsFileName[] = "Options.set";

// The settings folder: the personal documents folder and "\VTR\".
std::string settingsFolderFrom(const std::string& personalFolder);

// The file-error notice's drive: the folder path's first character and ":\".
std::string driveOf(const std::string& personalFolder);

// The seven lines the bar writes when it starts without a settings file, and
// the six a reload pass writes (no seventh line: move mode off).
std::span<const std::uint8_t> startupDefaults();
std::span<const std::uint8_t> reloadDefaults();

// Reads an open settings file line by line. A line ends at LF or CR LF; a CR
// not followed by LF is dropped; lines have no length limit; past the end
// every line reads as empty text.
class LineReader {
 public:
  explicit LineReader(std::unique_ptr<platform::ReadableFile> file);
  std::string next();

 private:
  int get();
  int peek();

  std::unique_ptr<platform::ReadableFile> file_;
  std::unique_ptr<std::uint8_t[]> buffer_;
  std::size_t filled_ = 0;
  std::size_t position_ = 0;
  bool ended_ = false;
};

// A signed 32-bit integer as the settings file writes numbers: leading spaces,
// one optional sign, "$", "x", "X", "0x" or "0X" for hexadecimal digits, and
// nothing else.
std::optional<std::int32_t> parseInteger(const std::string& text);

}  // namespace veltrana
