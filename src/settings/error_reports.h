#pragma once

#include <set>
#include <stdexcept>
#include <string>

namespace toolkit {
class Application;
}

namespace veltrana {

// An error that ends a settings pass at the step where it occurs.
class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

std::string invalidIntegerMessage(const std::string& line);
// The input/output error text for a system error code.
std::string ioErrorMessage(int code);
// A file that cannot be opened: its path in double quotes and the system's
// text without trailing full stops or blanks.
std::string cannotOpenFileMessage(const std::string& path, const std::string& systemText);
inline constexpr char streamReadErrorMessage[] = "Stream read error";
inline constexpr char invalidBitmapMessage[] = "Bitmap image is not valid";

// The text of a report: a full stop is appended when the message's last
// character sorts above "." (a letter or digit, not ".", a space or a quote).
std::string reportText(const std::string& message);

// Shows the errors of settings passes in message boxes titled with the
// application title. A pass runs every second, so a file or skin that stays
// faulty fails every pass: an error is shown once and not again while the
// following passes meet the same error, and never while a box with the same
// text is still open (timers, and so passes, run on under an open box).
class ErrorReports {
 public:
  explicit ErrorReports(toolkit::Application& application) : application_(application) {}

  void passFailed(const std::string& message);
  void passSucceeded() { lastFailure_.clear(); }

  int shown() const { return shown_; }

 private:
  toolkit::Application& application_;
  std::string lastFailure_;
  std::set<std::string> open_;
  int shown_ = 0;
};

}  // namespace veltrana
