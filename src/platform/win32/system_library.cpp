#include "platform/win32/system_library.h"

#include <string>

namespace platform::win32 {

namespace {

// The documented sign of the loader's search flags: they came with
// AddDllDirectory (Windows 8, and 7 with update KB2533623). Without them a
// call with a flag fails outright.
bool searchFlagsKnown() {
  return functionIn<void* WINAPI(const wchar_t*)>(::GetModuleHandleW(L"kernel32.dll"), "AddDllDirectory") !=
         nullptr;
}

// Whether the process's manifest chooses the library: the loader then takes
// it from the side-by-side store whatever else lies on the search path.
bool chosenByManifest(const wchar_t* fileName) {
  ACTCTX_SECTION_KEYED_DATA found{};
  found.cbSize = sizeof found;
  return ::FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, fileName, &found) != FALSE;
}

HMODULE loadFromSystemFolder(const wchar_t* fileName) {
  if (searchFlagsKnown()) return ::LoadLibraryExW(fileName, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (chosenByManifest(fileName)) return ::LoadLibraryExW(fileName, nullptr, 0);
  // By its full path; the libraries it needs in turn are looked for beside it first.
  std::wstring path(MAX_PATH, L'\0');
  const UINT length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
  if (length == 0 || length >= path.size()) return nullptr;
  path.resize(length);
  path += L'\\';
  path += fileName;
  return ::LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

SystemLibrary::SystemLibrary(const wchar_t* fileName) : module_(loadFromSystemFolder(fileName)) {}

}  // namespace platform::win32
