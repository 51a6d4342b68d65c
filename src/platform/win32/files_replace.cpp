// The writing half of Win32Files that the Options program needs: replacing a
// file in one step, and making the settings folder with its skins.
#include <windows.h>

#include "platform/win32/files.h"
#include "platform/win32/text.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

// The bar opens the settings file once a second and holds it for a moment;
// a replace that meets it waits this long before it gives up.
constexpr ULONGLONG replaceRetryMs = 2000;
constexpr DWORD replaceRetryPauseMs = 10;

// A file removed at the end of the scope unless it was moved away.
class TemporaryFile {
 public:
  explicit TemporaryFile(std::wstring path) : path_(std::move(path)) {}
  ~TemporaryFile() {
    if (!moved_) ::DeleteFileW(path_.c_str());
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  const std::wstring& path() const { return path_; }
  void moved() { moved_ = true; }

 private:
  std::wstring path_;
  bool moved_ = false;
};

int lastError() { return static_cast<int>(::GetLastError()); }

int writeAndFlush(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
  if (!file) return lastError();
  DWORD written = 0;
  if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return lastError();
  if (written != bytes.size()) return ERROR_WRITE_FAULT;
  // On the disk before it takes the old file's place: a crash then leaves
  // the old file or the whole new one.
  if (!::FlushFileBuffers(file.get())) return lastError();
  return ERROR_SUCCESS;
}

bool heldByAnother(int code) {
  // Wine refuses a replace over a file open elsewhere with access denied.
  return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED;
}

}  // namespace

int Win32Files::replaceWith(const std::string& path, std::span<const std::uint8_t> bytes) {
  const std::wstring target = widen(path);
  // In the same folder, so that the move is a rename on one volume; named
  // for this process, so that two writers never share it.
  TemporaryFile temporary(target + L"." + std::to_wstring(::GetCurrentProcessId()) + L".tmp");
  if (const int written = writeAndFlush(temporary.path(), bytes)) return written;
  const ULONGLONG deadline = ::GetTickCount64() + replaceRetryMs;
  for (;;) {
    if (::MoveFileExW(temporary.path().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
      temporary.moved();
      return ERROR_SUCCESS;
    }
    const int code = lastError();
    if (!heldByAnother(code) || ::GetTickCount64() >= deadline) return code;
    ::Sleep(replaceRetryPauseMs);
  }
}

int Win32Files::createFolder(const std::string& path) {
  std::wstring folder = widen(path);
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  if (::CreateDirectoryW(folder.c_str(), nullptr)) return ERROR_SUCCESS;
  const int code = lastError();
  if (code == ERROR_ALREADY_EXISTS) {
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return ERROR_SUCCESS;
  }
  return code;
}

int Win32Files::copyFile(const std::string& from, const std::string& to) {
  return ::CopyFileW(widen(from).c_str(), widen(to).c_str(), FALSE) ? ERROR_SUCCESS : lastError();
}

}  // namespace platform::win32
