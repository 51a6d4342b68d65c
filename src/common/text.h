#pragma once

#include <cstddef>
#include <string_view>

namespace veltrana {

// Text as people type it into a field, a script or a settings line: blanks
// (spaces and tabs) around it are not meant, nor, where a word is expected,
// the case of its ASCII letters.

constexpr bool isBlank(char c) { return c == ' ' || c == '\t'; }

constexpr std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

constexpr bool sameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace veltrana
