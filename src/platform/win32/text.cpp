#include "platform/win32/text.h"

#include <windows.h>

namespace platform::win32 {

namespace {

std::wstring widenFrom(UINT codePage, std::string_view text) {
  if (text.empty()) return {};
  const int length = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

std::wstring widen(std::string_view text) { return widenFrom(CP_UTF8, text); }

std::wstring widenAnsi(std::string_view text) { return widenFrom(CP_ACP, text); }

std::string narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int length =
      ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), utf8.data(), length, nullptr, nullptr);
  return utf8;
}

}  // namespace platform::win32
