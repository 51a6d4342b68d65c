#include "toolkit/error_reports.h"

namespace toolkit {

std::string reportText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

void ErrorReports::show(const std::string& message) {
  struct OpenBox {
    bool& open;
    explicit OpenBox(bool& flag) : open(flag) { open = true; }
    ~OpenBox() { open = false; }
  } box(boxOpen_);
  showBox_(reportText(message));
}

void ErrorReports::failed(const std::string& message) {
  current_ = message;
  if (boxOpen_) return;
  // Loops rather than nests: a failure that comes while the box is open is
  // shown after it closes, from here.
  while (current_ && *current_ != seen_) {
    seen_ = *current_;
    show(seen_);
  }
}

void ErrorReports::succeeded() {
  current_.reset();
  // While a box is open its failure counts as seen, so that it is not shown
  // twice in a row should it come back before the box is answered.
  if (!boxOpen_) seen_.clear();
}

void ErrorReports::unexpected(const std::string& message) {
  if (boxOpen_ || message == lastUnexpected_) return;
  lastUnexpected_ = message;
  show(message);
}

}  // namespace toolkit
