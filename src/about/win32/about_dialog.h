#pragma once

#include <string>

#include "dialogs/win32/modal_dialog.h"
#include "platform/win32/unique_handle.h"

namespace platform {
class Shell;
}

namespace veltrana::about::win32 {

// What is installed where: the program's icon, name and version, what it
// does, its licence, its folder, and a link to the help page. OK and Esc close it.
class AboutDialog : public dialogs::win32::ModalDialog {
 public:
  explicit AboutDialog(platform::Shell& shell) : shell_(shell) {}

 private:
  INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void initialise();
  std::string folder() const;

  platform::Shell& shell_;
  platform::win32::UniqueFont nameFont_;
};

}  // namespace veltrana::about::win32
