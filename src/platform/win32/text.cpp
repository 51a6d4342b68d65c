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

std::string narrowTo(UINT codePage, std::wstring_view text) {
  if (text.empty()) return {};
  const int length =
      ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string narrowed(static_cast<std::size_t>(length), '\0');
  ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), narrowed.data(), length, nullptr,
                        nullptr);
  return narrowed;
}

}  // namespace

std::wstring widen(std::string_view text) { return widenFrom(CP_UTF8, text); }

std::wstring widenAnsi(std::string_view text) { return widenFrom(CP_ACP, text); }

std::string narrow(std::wstring_view text) { return narrowTo(CP_UTF8, text); }

std::string narrowAnsi(std::wstring_view text) { return narrowTo(CP_ACP, text); }

}  // namespace platform::win32
