#pragma once

#include <string>

namespace win32 {

// The program keeps text in UTF-8; the system's wide-character calls take UTF-16.
std::wstring widen(const std::string& text);
std::string narrow(const std::wstring& text);

}  // namespace win32
