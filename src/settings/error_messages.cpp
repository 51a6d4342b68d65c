#include "settings/error_messages.h"

#include <vector>

#include "platform/files.h"
#include "settings/line_reader.h"

namespace veltrana {

namespace {

constexpr char ellipsis[] = "\u2026";

}  // namespace

std::string invalidIntegerMessage(const SettingsLine& line, const platform::Files& files) {
  return "'" + files.decodeFileText(line.text()) + (line.whole() ? "" : ellipsis) + "' is not a valid integer value";
}

bool startsUtf16(const SettingsLine& line) {
  return line.text().starts_with("\xFF\xFE") || line.text().starts_with("\xFE\xFF");
}

std::optional<std::string> notTextMessage(const SettingsLine& line, int number, const platform::Files& files) {
  // Notepad's "Unicode" and "UTF-8 with BOM"; the bar reads 8-bit text only.
  if (number == 1 && startsUtf16(line)) return "The settings file is saved as Unicode: save it as ANSI text";
  if (number == 1 && line.text().starts_with("\xEF\xBB\xBF"))
    return "The settings file is saved as UTF-8 with a byte order mark: save it as ANSI text";
  const std::size_t nul = line.text().find('\0');
  if (nul == std::string::npos) return std::nullopt;
  // A box's text ends at a NUL: what comes before it is quoted, the NUL named.
  return "'" + files.decodeFileText(line.text().substr(0, nul)) +
         "' is followed by a NUL character: save the settings file as ANSI text";
}

std::string quotedPath(const std::string& path) {
  constexpr std::size_t longest = 80, head = 30, tail = 49;
  // Counted in characters: a UTF-8 character starts at every byte that does not continue one.
  std::vector<std::size_t> starts;
  for (std::size_t i = 0; i < path.size(); ++i)
    if ((static_cast<unsigned char>(path[i]) & 0xC0) != 0x80) starts.push_back(i);
  if (starts.size() <= longest) return path;
  return path.substr(0, starts[head]) + ellipsis + path.substr(starts[starts.size() - tail]);
}

std::string ioErrorMessage(int code) {
  switch (code) {
    case platform::error::fileNotFound: return "File not found";
    case platform::error::pathNotFound: return "Invalid filename";
    case platform::error::accessDenied: return "File access denied";
    default: return "I/O error " + std::to_string(code);
  }
}

std::string systemReason(const std::string& systemText) {
  std::string text = systemText;
  while (!text.empty() && (text.back() == '.' || text.back() == ' ' || text.back() == '\r' || text.back() == '\n' ||
                           text.back() == '\t'))
    text.pop_back();
  return text;
}

std::string cannotOpenFileMessage(const std::string& path, const std::string& systemText) {
  return "Cannot open file \"" + quotedPath(path) + "\". " + systemReason(systemText);
}

}  // namespace veltrana
