#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>

#include "platform/win32/text.h"

// A scratch folder of a test, named with characters outside any ANSI code
// page, removed with everything in it at the end.
struct ScratchFolder {
  ScratchFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    wide = std::wstring(temp) + L"veltrana-\u0414\u043e\u043a-\u65e5\u672c-" + std::to_wstring(::GetCurrentProcessId());
    ::CreateDirectoryW(wide.c_str(), nullptr);
    path = platform::win32::narrow(wide);
  }
  ~ScratchFolder() { remove(wide); }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  std::string file(const char* name) const { return path + "\\" + name; }

  std::wstring wide;
  std::string path;

 private:
  static void remove(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          remove(folder + L"\\" + name);
        else
          ::DeleteFileW((folder + L"\\" + name).c_str());
      } while (::FindNextFileW(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
  }
};

inline std::span<const std::uint8_t> bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}
