#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
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
inline constexpr int alreadyExists = 183;
inline constexpr int readOnly = 6009;  // the file is marked read-only
}  // namespace error

struct OpenedFile {
  int error = error::none;
  std::unique_ptr<ReadableFile> file;  // set when error is none
};

// What tells a file's contents apart without reading them: its size and
// the time of its last write.
struct FileStamp {
  std::uint64_t size = 0;
  std::uint64_t lastWrite = 0;  // in the file system's own units
  // The last write lies further back than the file system's coarsest time
  // step, so another write could not keep the same stamp.
  bool settled = false;
  friend bool operator==(const FileStamp& a, const FileStamp& b) {
    return a.size == b.size && a.lastWrite == b.lastWrite;
  }
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
  // Writes the file anew with the bytes, in one step as replaceWith does,
  // but without waiting for another program that holds it; the system's error code.
  virtual int createWith(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
  // The file's stamp, without opening it; nothing when it cannot be had.
  virtual std::optional<FileStamp> stamp(const std::string& path) const = 0;
  // The whole file, read like openForReading.
  virtual FileContents readAll(const std::string& path) = 0;
  // The system's text for an error code.
  virtual std::string errorText(int code) const = 0;
  // Text read from a settings file, which is 8-bit text in the user's code
  // page, as the program's UTF-8.
  virtual std::string decodeFileText(std::string_view bytes) const = 0;
  // Replaces the file with the bytes in one step: a reader that opens it
  // meanwhile finds the old contents or the new, never a part of them and
  // never no file. A file another program holds open is waited for up to
  // two seconds; one marked read-only is left alone (error::readOnly). On
  // failure the old file is left as it was. The system's error code.
  virtual int replaceWith(const std::string& path, std::span<const std::uint8_t> bytes) = 0;
  // Creates a folder, and those of its parents that are missing; none when
  // it exists already.
  virtual int createFolder(const std::string& path) = 0;
  // Copies a file to a name no file has, in one step as replaceWith writes:
  // a file of that name is never replaced (error::alreadyExists), so a
  // file the user changed stays as it is.
  virtual int copyFile(const std::string& from, const std::string& to) = 0;
  // Removes what writing the file left beside it when the writer ended
  // midway: the temporary files of processes that are gone.
  virtual void removeLeftovers(const std::string& path) = 0;
};

}  // namespace platform
