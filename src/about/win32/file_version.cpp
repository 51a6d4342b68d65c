#include "about/win32/file_version.h"

#include <windows.h>

#include <vector>

#include "platform/win32/text.h"

namespace veltrana::about::win32 {

veltrana::about::BarVersion fileVersion(const std::string& path) {
  veltrana::about::BarVersion version;
  const std::wstring file = platform::win32::widen(path);
  // The size call fails for a missing file and for one without a version alike.
  if (::GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    version.error = static_cast<int>(::GetLastError());
    return version;
  }
  DWORD ignored = 0;
  const DWORD size = ::GetFileVersionInfoSizeW(file.c_str(), &ignored);
  if (size == 0) return version;
  std::vector<std::uint8_t> block(size);
  if (!::GetFileVersionInfoW(file.c_str(), 0, size, block.data())) return version;
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  if (!::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) || !fixed ||
      length < sizeof *fixed || fixed->dwSignature != VS_FFI_SIGNATURE)
    return version;
  version.numbers = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS), HIWORD(fixed->dwFileVersionLS),
                     LOWORD(fixed->dwFileVersionLS)};
  return version;
}

}  // namespace veltrana::about::win32
