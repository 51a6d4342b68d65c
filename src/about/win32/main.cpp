// The About program: what is installed where, in one dialog.
#include <windows.h>

#include <commctrl.h>

#include "about/about_ids.h"
#include "about/win32/about_dialog.h"
#include "platform/win32/exception_box.h"
#include "platform/win32/shell.h"

namespace {

int runAbout(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
  ::InitCommonControlsEx(&controls);
  platform::win32::Win32Shell shell;
  veltrana::about::win32::AboutDialog dialog(shell);
  return dialog.run(instance, ABOUT_DIALOG) == -1 ? 1 : 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  return platform::win32::runShowingExceptions("About Veltrana", [instance] { return runAbout(instance); });
}
