#include "settings/error_reports.h"

#include "toolkit/application.h"

namespace veltrana {

std::string invalidIntegerMessage(const std::string& line) { return "'" + line + "' is not a valid integer value"; }

std::string ioErrorMessage(int code) {
  switch (code) {
    case 2: return "File not found";
    case 3: return "Invalid filename";
    case 5: return "File access denied";
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

std::string reportText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void ErrorReports::passFailed(const std::string& message) {
  if (message == lastFailure_ || open_.count(message)) return;
  lastFailure_ = message;
  open_.insert(message);
  ++shown_;
  application_.showError(reportText(message));
  open_.erase(message);
}

}  // namespace veltrana
