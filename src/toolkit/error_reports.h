#pragma once

#include <functional>
#include <optional>
#include <string>

namespace toolkit {

// The text of a report: a full stop is appended when the message's last
// character sorts above "." (a letter or digit, not ".", a space or a quote).
std::string reportText(const std::string& message);

// Keeps failure reports in bounds. At most one box is open at any time:
// timers tick on under an open box, so a failure meanwhile is not shown then.
class ErrorReports {
 public:
  using ShowBox = std::function<void(const std::string& text)>;

  explicit ErrorReports(ShowBox showBox) : showBox_(std::move(showBox)) {}

  // A failure of a job that runs again and again until its cause is mended (a
  // faulty settings file fails a pass every second): shown once while it
  // persists. One that comes while the box is open is remembered, and when the
  // box closes the latest failure that is still current is shown: one box, no backlog.
  void failed(const std::string& message);
  // The job ran through: what failed before has gone, and is shown again
  // should it come back.
  void succeeded();

  // An exception that escaped an event handler: shown once, and not again
  // while the same one recurs; dropped while another box is open.
  void unexpected(const std::string& message);

  bool boxOpen() const { return boxOpen_; }

 private:
  void show(const std::string& message);

  ShowBox showBox_;
  std::optional<std::string> current_;
  // The failure of the job the user was last shown.
  std::string seen_;
  std::string lastUnexpected_;
  bool boxOpen_ = false;
};

}  // namespace toolkit
