#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/files.h"

namespace veltrana {

// The settings file read whole into memory, for a writer that changes some
// of its lines and keeps every other byte.
struct HeldSettings {
  int error = platform::error::none;  // opening it failed: no file (not found), or the system's reason
  std::optional<std::string> bytes;   // the whole file, when it is settings the programs can change
  std::string refusal;                // else why it is to be left alone: a clause
  // Opened, but not what the programs write: larger than a settings file
  // gets, or UTF-16 text. Nothing in it is worth keeping.
  bool notSettings = false;
  bool missing() const {
    return error == platform::error::fileNotFound || error == platform::error::pathNotFound;
  }
};

HeldSettings holdSettings(platform::Files& files, const std::string& path);

// Bytes in memory as an open file, for the line reader.
class HeldFile : public platform::ReadableFile {
 public:
  explicit HeldFile(std::string_view bytes) : bytes_(bytes) {}
  std::size_t read(std::span<std::uint8_t> buffer) override;

 private:
  std::string_view bytes_;
};

}  // namespace veltrana
