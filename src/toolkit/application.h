#pragma once

#include <string>
#include <vector>

#include "toolkit/error_reports.h"

namespace toolkit {

class Backend;
class Form;

// The application object: its title, the window system it runs on and the
// forms it owns.
class Application {
 public:
  explicit Application(Backend& backend);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Backend& backend() const { return backend_; }

  const std::string& title() const { return title_; }
  void setTitle(const std::string& title);

  // Failures shown in error message boxes titled with the application title,
  // kept in bounds; an exception that escapes an event handler is one too.
  ErrorReports& errorReports() { return errorReports_; }

  // Ends the program at once but in order: every form's destroy handler runs
  // and its window goes, then the process ends with the exit code.
  void terminate(int exitCode);

  void addForm(Form& form);
  void removeForm(Form& form);

 private:
  Backend& backend_;
  std::string title_;
  std::vector<Form*> forms_;
  ErrorReports errorReports_;
};

}  // namespace toolkit
