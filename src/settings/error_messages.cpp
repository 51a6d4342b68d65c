#include "settings/error_messages.h"

#include "platform/files.h"
#include "settings/line_reader.h"

namespace veltrana {

std::string invalidIntegerMessage(const SettingsLine& line, const platform::Files& files) {
  const char* ellipsis = line.whole() ? "" : "\u2026";
  return "'" + files.decodeFileText(line.text()) + ellipsis + "' is not a valid integer value";
}

std::string ioErrorMessage(int code) {
  switch (code) {
    case platform::error::fileNotFound: return "File not found";
    case platform::error::pathNotFound: return "Invalid filename";
    case platform::error::accessDenied: return "File access denied";
    default: return "I/O error " + std::to_string(code);
  }
}

std::string cannotOpenFileMessage(const std::string& path, const std::string& systemText) {
  std::string text = systemText;
  while (!text.empty() && (text.back() == '.' || text.back() == ' ' || text.back() == '\r' || text.back() == '\n' ||
                           text.back() == '\t'))
    text.pop_back();
  return "Cannot open file \"" + path + "\". " + text;
}

}  // namespace veltrana
