#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// The program keeps text in UTF-8; the system's wide-character calls take UTF-16.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);
// 8-bit text in the user's ANSI code page, as UTF-16, and back.
std::wstring widenAnsi(std::string_view text);
std::string narrowAnsi(std::wstring_view text);

}  // namespace platform::win32
