#include "platform/win32/files.h"

#include <windows.h>

#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

class Win32ReadableFile : public platform::ReadableFile {
 public:
  explicit Win32ReadableFile(UniqueFile file) : file_(std::move(file)) {}
  std::size_t read(std::span<std::uint8_t> buffer) override {
    DWORD got = 0;
    if (!::ReadFile(file_.get(), buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr)) return 0;
    return got;
  }

 private:
  UniqueFile file_;
};

// Paths of any length: the wide-character calls take the path as it is.
UniqueFile openShared(const std::string& path) {
  return UniqueFile(::CreateFileW(widen(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

platform::OpenedFile Win32Files::openForReading(const std::string& path) {
  UniqueFile file = openShared(path);
  if (!file) return {static_cast<int>(::GetLastError()), nullptr};
  return {platform::error::none, std::make_unique<Win32ReadableFile>(std::move(file))};
}

std::optional<platform::FileStamp> Win32Files::stamp(const std::string& path) const {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
  const auto join = [](DWORD high, DWORD low) { return (std::uint64_t{high} << 32) | low; };
  const std::uint64_t lastWrite = join(data.ftLastWriteTime.dwHighDateTime, data.ftLastWriteTime.dwLowDateTime);
  FILETIME now{};
  ::GetSystemTimeAsFileTime(&now);
  // FAT keeps write times in steps of two seconds; 100 ns units here.
  constexpr std::uint64_t coarsestStep = 2 * 10'000'000ULL;
  const std::uint64_t current = join(now.dwHighDateTime, now.dwLowDateTime);
  return platform::FileStamp{join(data.nFileSizeHigh, data.nFileSizeLow), lastWrite,
                             current > lastWrite && current - lastWrite > coarsestStep};
}

platform::FileContents Win32Files::readAll(const std::string& path) {
  platform::FileContents contents;
  UniqueFile file = openShared(path);
  if (!file) {
    contents.error = static_cast<int>(::GetLastError());
    return contents;
  }
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size)) {
    contents.error = static_cast<int>(::GetLastError());
    return contents;
  }
  // A skin larger than any real bar picture is read only as far as needed to reject it.
  constexpr LONGLONG largest = 256LL << 20;
  contents.bytes.resize(static_cast<std::size_t>(size.QuadPart < largest ? size.QuadPart : largest));
  std::size_t done = 0;
  while (done < contents.bytes.size()) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), contents.bytes.data() + done, static_cast<DWORD>(contents.bytes.size() - done), &got,
                    nullptr) ||
        got == 0)
      break;
    done += got;
  }
  contents.bytes.resize(done);
  return contents;
}

std::string Win32Files::errorText(int code) const {
  UniqueLocalText text;
  // With FORMAT_MESSAGE_ALLOCATE_BUFFER the buffer argument receives the text's address.
  const DWORD length = ::FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(static_cast<wchar_t**>(text.put())), 0, nullptr);
  if (length == 0 || !text) return "System error " + std::to_string(code);
  return narrow(std::wstring_view(text.get(), length));
}

std::string Win32Files::decodeFileText(std::string_view bytes) const { return narrow(widenAnsi(bytes)); }

}  // namespace platform::win32
