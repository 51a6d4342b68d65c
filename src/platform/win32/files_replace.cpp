// The writing half of Win32Files: every file the programs write takes the
// old one's place in one step, and the settings folder is made here.
#include <windows.h>

#include <functional>
#include <optional>

#include "platform/win32/files.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"
#include "platform/win32/unique_handle.h"

namespace platform::win32 {

namespace {

// The bar opens the settings file once a second and holds it for a moment;
// a replace that meets it waits this long before it gives up.
constexpr ULONGLONG replaceRetryMs = 2000;
constexpr DWORD replaceRetryPauseMs = 10;

constexpr wchar_t temporarySuffix[] = L".tmp";

// Beside the target, so that the move is a rename on one volume; named for
// the writing process, so that two writers never share it and a leftover
// tells whose it was.
std::wstring temporaryName(const std::wstring& target, DWORD process) {
  return target + L"." + std::to_wstring(process) + temporarySuffix;
}

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

// On the disk before it takes the old file's place: a crash then leaves the
// old file or the whole new one.
int flushed(const UniqueFile& file) { return ::FlushFileBuffers(file.get()) ? ERROR_SUCCESS : lastError(); }

int writeAndFlush(const std::wstring& path, std::span<const std::uint8_t> bytes) {
  UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                nullptr));
  if (!file) return lastError();
  DWORD written = 0;
  if (!::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) return lastError();
  if (written != bytes.size()) return ERROR_WRITE_FAULT;
  return flushed(file);
}

auto writing(std::span<const std::uint8_t> bytes) {
  return [bytes](const std::wstring& temporary) { return writeAndFlush(temporary, bytes); };
}

int copyAndFlush(const std::wstring& from, const std::wstring& path) {
  if (!::CopyFileW(from.c_str(), path.c_str(), FALSE)) return lastError();
  // A copy of a read-only original would be read-only too, and could then
  // neither be flushed nor removed again.
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  UniqueFile file(
      ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return file ? flushed(file) : lastError();
}

bool heldByAnother(int code) {
  // Wine refuses a replace over a file open elsewhere with access denied.
  return code == ERROR_SHARING_VIOLATION || code == ERROR_ACCESS_DENIED;
}

enum class Existing { replace, keep };

// Writes the target anew in one step: `fill` writes a temporary file beside
// it, which is then moved over it. A target another program holds is waited
// for up to `patienceMs`. A target marked read-only is left alone: Windows
// would refuse the move only after the wait, and Wine would not refuse it
// at all but drop the mark. Told to keep a target that exists, the move
// itself refuses one that came meanwhile.
int replaceFile(const std::wstring& target, ULONGLONG patienceMs,
                const std::function<int(const std::wstring& temporary)>& fill, Existing existing = Existing::replace) {
  const DWORD attributes = ::GetFileAttributesW(target.c_str());
  if (existing == Existing::keep && attributes != INVALID_FILE_ATTRIBUTES) return ERROR_ALREADY_EXISTS;
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return ERROR_FILE_READ_ONLY;
  TemporaryFile temporary(temporaryName(target, ::GetCurrentProcessId()));
  if (const int filled = fill(temporary.path())) return filled;
  const DWORD moveFlags = MOVEFILE_WRITE_THROUGH | (existing == Existing::replace ? MOVEFILE_REPLACE_EXISTING : 0);
  const ULONGLONG deadline = ::GetTickCount64() + patienceMs;
  for (;;) {
    if (::MoveFileExW(temporary.path().c_str(), target.c_str(), moveFlags)) {
      temporary.moved();
      return ERROR_SUCCESS;
    }
    const int code = lastError();
    if (!heldByAnother(code) || ::GetTickCount64() >= deadline) return code;
    ::Sleep(replaceRetryPauseMs);
  }
}

// The process id in a temporary file's name (target.<id>.tmp), if that is what it is.
std::optional<DWORD> writerOf(const std::wstring& name, const std::wstring& targetName) {
  const std::size_t prefix = targetName.size() + 1;
  const std::size_t suffix = std::char_traits<wchar_t>::length(temporarySuffix);
  if (name.size() <= prefix + suffix || name.compare(0, targetName.size(), targetName) != 0 ||
      name[targetName.size()] != L'.' || name.compare(name.size() - suffix, suffix, temporarySuffix) != 0)
    return std::nullopt;
  const std::wstring digits = name.substr(prefix, name.size() - prefix - suffix);
  if (digits.size() > 10) return std::nullopt;
  unsigned long long id = 0;
  for (const wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    id = id * 10 + static_cast<unsigned>(c - L'0');
  }
  if (id > 0xFFFFFFFFull) return std::nullopt;
  return static_cast<DWORD>(id);
}

bool processGone(DWORD id) {
  UniqueHandle process(::OpenProcess(SYNCHRONIZE, FALSE, id));
  if (!process) return ::GetLastError() == ERROR_INVALID_PARAMETER;  // no such process; else one we may not open
  return ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0;
}

}  // namespace

int Win32Files::createWith(const std::string& path, std::span<const std::uint8_t> bytes) {
  // The bar's thread does not wait for another program.
  return replaceFile(widen(path), 0, writing(bytes));
}

int Win32Files::replaceWith(const std::string& path, std::span<const std::uint8_t> bytes) {
  return replaceFile(widen(path), replaceRetryMs, writing(bytes));
}

int Win32Files::copyFile(const std::string& from, const std::string& to) {
  const std::wstring source = widen(from);
  return replaceFile(
      widen(to), replaceRetryMs, [&source](const std::wstring& temporary) { return copyAndFlush(source, temporary); },
      Existing::keep);
}

void Win32Files::removeLeftovers(const std::string& path) {
  const std::wstring target = widen(path);
  const std::size_t slash = target.find_last_of(L'\\');
  const std::wstring folder = target.substr(0, slash + 1);
  const std::wstring targetName = target.substr(slash + 1);
  WIN32_FIND_DATAW found;
  const UniqueSearch search(::FindFirstFileW((target + L".*" + temporarySuffix).c_str(), &found));
  if (!search) return;
  do {
    const auto writer = writerOf(found.cFileName, targetName);
    if (!writer || !processGone(*writer)) continue;
    if (!::DeleteFileW((folder + found.cFileName).c_str())) traceIgnoredFailure("removing a leftover temporary file");
  } while (::FindNextFileW(search.get(), &found));
}

namespace {

int createFolderAndParents(std::wstring folder) {
  while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
  if (::CreateDirectoryW(folder.c_str(), nullptr)) return ERROR_SUCCESS;
  int code = lastError();
  const auto slash = folder.find_last_of(L'\\');
  // A parent that is missing too is made first; a drive or share that is
  // missing fails below.
  if (code == ERROR_PATH_NOT_FOUND && slash != std::wstring::npos && slash > 2 &&
      createFolderAndParents(folder.substr(0, slash)) == ERROR_SUCCESS) {
    if (::CreateDirectoryW(folder.c_str(), nullptr)) return ERROR_SUCCESS;
    code = lastError();
  }
  if (code == ERROR_ALREADY_EXISTS) {
    const DWORD attributes = ::GetFileAttributesW(folder.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return ERROR_SUCCESS;
  }
  return code;
}

}  // namespace

int Win32Files::createFolder(const std::string& path) { return createFolderAndParents(widen(path)); }

}  // namespace platform::win32
