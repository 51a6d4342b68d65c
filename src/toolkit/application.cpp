#include "toolkit/application.h"

#include <algorithm>

#include "platform/exception_text.h"
#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace toolkit {

Application::Application(Backend& backend)
    : backend_(backend),
      errorReports_([this](const std::string& text) { backend_.showError(title_, text); }) {
  backend_.onHandlerError = [this](std::exception_ptr e) { errorReports_.unexpected(platform::describeException(e)); };
}

Application::~Application() { backend_.onHandlerError = nullptr; }

void Application::setTitle(const std::string& title) {
  title_ = title;
  backend_.setApplicationTitle(title_);
}

void Application::terminate(int exitCode) {
  const std::vector<Form*> forms = forms_;
  for (auto it = forms.rbegin(); it != forms.rend(); ++it) (*it)->destroyWindow();
  backend_.endProcess(exitCode);
}

void Application::addForm(Form& form) { forms_.push_back(&form); }

void Application::removeForm(Form& form) { std::erase(forms_, &form); }

}  // namespace toolkit
