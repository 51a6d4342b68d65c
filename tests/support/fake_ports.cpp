#include "support/fake_ports.h"

#include <algorithm>
#include <string>

#include "support/assets.h"
#include "support/bytes_file.h"

namespace fakes {

namespace {

void put64(std::span<std::uint8_t> buffer, std::size_t at, std::uint64_t value) {
  for (int i = 0; i < 8; ++i) buffer[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

std::int32_t FakeSystemInfo::querySystemInformation(std::uint32_t infoClass, std::span<std::uint8_t> buffer) {
  ++queries;
  if (failingClass == infoClass) return static_cast<std::int32_t>(0xC0000004);  // length mismatch
  std::fill(buffer.begin(), buffer.end(), 0);
  switch (infoClass) {
    case 0:
      if (buffer.size() < 44) return -1;
      buffer[40] = processors;
      return 0;
    case 3:
      if (buffer.size() < 16) return -1;
      put64(buffer, 8, systemTime);
      return 0;
    case 2:
      if (buffer.size() < 8) return -1;
      put64(buffer, 0, idleTime);
      return 0;
    default:
      return -1;
  }
}

// The counter moves on by the configured cycles during each half-second sleep.
std::uint64_t FakeSystemInfo::timeStampCounter() {
  if (!sleeps.empty() && sleeps.back() == 500) counter += cyclesPerHalfSecond;
  return counter;
}

namespace {

std::string fileOf(platform::Resource resource) {
  switch (resource) {
    case platform::Resource::defaultBackground: return "background.jpg";
    case platform::Resource::glyphCdOut: return "glyphs/cd_out.bmp";
    case platform::Resource::glyphCdIn: return "glyphs/cd_in.bmp";
    case platform::Resource::glyphMagic: return "glyphs/magic.bmp";
    case platform::Resource::glyphOptions: return "glyphs/options.bmp";
    case platform::Resource::glyphAbout: return "glyphs/about.bmp";
    case platform::Resource::glyphHelp: return "glyphs/help.bmp";
    case platform::Resource::glyphExit: return "glyphs/exit.bmp";
  }
  return {};
}

}  // namespace

std::span<const std::uint8_t> FakeResources::bytes(platform::Resource resource) const {
  auto it = loaded_.find(resource);
  if (it == loaded_.end()) it = loaded_.emplace(resource, readAsset(fileOf(resource))).first;
  return it->second;
}

}  // namespace fakes

namespace fakes {

namespace {

std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// Reads in small pieces, so that lines cross the reader's buffer boundaries,
// and counts as an open handle while it lives.
class FakeReadableFile : public BytesFile {
 public:
  FakeReadableFile(std::span<const std::uint8_t> bytes, FakeFiles& files)
      : BytesFile(bytes, [piece = files.readPiece](std::size_t) { return piece; }), files_(files) {
    ++files_.openHandles;
  }
  ~FakeReadableFile() override { --files_.openHandles; }
  std::size_t read(std::span<std::uint8_t> buffer) override {
    if (files_.onRead) files_.onRead();
    const std::size_t n = BytesFile::read(buffer);
    files_.bytesRead += n;
    return n;
  }

 private:
  FakeFiles& files_;
};

}  // namespace

int FakeFiles::openError(const std::string& path) const {
  if (!folders.count(folderOf(path))) return platform::error::pathNotFound;
  if (!files.count(path)) return platform::error::fileNotFound;
  if (heldForWriting.count(path)) return platform::error::sharingViolation;
  return platform::error::none;
}

platform::OpenedFile FakeFiles::openForReading(const std::string& path) {
  ++opens;
  if (const int error = openError(path)) return {error, nullptr};
  return {platform::error::none, std::make_unique<FakeReadableFile>(files.at(path), *this)};
}

int FakeFiles::writeError(const std::string& path) const {
  if (!folders.count(folderOf(path))) return platform::error::pathNotFound;
  if (readOnly.count(path)) return platform::error::readOnly;
  if (heldForWriting.count(path)) return platform::error::sharingViolation;
  return platform::error::none;
}

int FakeFiles::createWith(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (const int error = writeError(path)) return error;
  ++creations;
  files[path].assign(bytes.begin(), bytes.end());
  return platform::error::none;
}

platform::FileContents FakeFiles::readAll(const std::string& path) {
  ++fullReads;
  if (const int error = openError(path)) return {error, {}};
  return {platform::error::none, files.at(path)};
}

// The stamp changes with the contents, as a real write changes the write time.
std::optional<platform::FileStamp> FakeFiles::stamp(const std::string& path) const {
  ++stamps;
  if (!folders.count(folderOf(path)) || !files.count(path)) return std::nullopt;
  const auto& bytes = files.at(path);
  const std::uint64_t contents = std::hash<std::string_view>{}(
      std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  return platform::FileStamp{bytes.size(), contents, !justWritten.count(path)};
}

std::string FakeFiles::errorText(int code) const {
  switch (code) {
    case platform::error::fileNotFound: return "The system cannot find the file specified.\r\n";
    case platform::error::pathNotFound: return "The system cannot find the path specified.\r\n";
    default: return "Error " + std::to_string(code) + ".";
  }
}

std::string FakeFiles::decodeFileText(std::string_view bytes) const {
  std::string utf8;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) {
      utf8 += c;
    } else {
      utf8 += static_cast<char>(0xC0 | (byte >> 6));
      utf8 += static_cast<char>(0x80 | (byte & 0x3F));
    }
  }
  return utf8;
}

int FakeFiles::replaceWith(const std::string& path, std::span<const std::uint8_t> bytes) {
  if (const int error = writeError(path)) return error;
  ++replacements;
  files[path].assign(bytes.begin(), bytes.end());
  return platform::error::none;
}

int FakeFiles::createFolder(const std::string& path) {
  std::string folder = path;
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  if (readOnly.count(folder)) return platform::error::accessDenied;
  folders.insert(folder);
  return platform::error::none;
}

int FakeFiles::copyFile(const std::string& from, const std::string& to) {
  if (exists(to)) return platform::error::alreadyExists;
  if (const int error = openError(from)) return error;
  const std::vector<std::uint8_t> bytes = files.at(from);
  return createWith(to, bytes);
}

void FakeFiles::write(const std::string& path, std::string_view text) { files[path].assign(text.begin(), text.end()); }

std::string FakeFiles::text(const std::string& path) const {
  const auto& bytes = files.at(path);
  return std::string(bytes.begin(), bytes.end());
}

}  // namespace fakes

namespace fakes {

void FakeWorkQueue::runJobs() {
  std::thread([this] {
    while (!jobs.empty()) {
      auto job = std::move(jobs.front());
      jobs.pop_front();
      job();
    }
  }).join();
}

}  // namespace fakes
