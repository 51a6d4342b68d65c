#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// An open file, read from the start; closed when destroyed.
class ReadableFile {
 public:
  virtual ~ReadableFile() = default;
  // Reads up to buffer.size() bytes; 0 at the end of the file.
  virtual std::size_t read(std::span<std::uint8_t> buffer) = 0;
};

// The system's error codes the program tells apart.
namespace error {
inline constexpr int none = 0;
inline constexpr int fileNotFound = 2;
inline constexpr int pathNotFound = 3;
inline constexpr int accessDenied = 5;
inline constexpr int sharingViolation = 32;
}  // namespace error

struct OpenedFile {
  int error = error::none;
  std::unique_ptr<ReadableFile> file;  // set when error is none
};

struct FileContents {
  int error = error::none;
  std::vector<std::uint8_t> bytes;
};

// Files by full path (UTF-8).
class Files {
 public:
  virtual ~Files() = default;
  // Opens an existing file for reading while letting others only read it.
  virtual OpenedFile openForReading(const std::string& path) = 0;
  // Creates the file, or truncates it, writes the bytes and closes it; the system's error code.
  virtual int createWith(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
  // The whole file, read like openForReading.
  virtual FileContents readAll(const std::string& path) = 0;
  // The system's text for an error code.
  virtual std::string errorText(int code) const = 0;
  // Text read from a settings file, which is 8-bit text in the user's code
  // page, as the program's UTF-8.
  virtual std::string decodeFileText(std::string_view bytes) const = 0;
};

}  // namespace platform
