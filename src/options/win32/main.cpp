// The Options program: one copy at a time, its dialog on the real settings
// file until OK or Cancel; or one of setup's commands, beside any copy.
#include <windows.h>

#include <commctrl.h>

#include "options/options_ids.h"
#include "options/settings_document.h"
#include "options/win32/command_line.h"
#include "options/win32/options_dialog.h"
#include "options/win32/single_instance.h"
#include "platform/resource_ids.h"
#include "platform/win32/exception_box.h"
#include "platform/win32/files.h"
#include "platform/win32/last_error.h"
#include "platform/win32/processor_counters.h"
#include "platform/win32/registry.h"
#include "platform/win32/shell.h"

namespace {

constexpr wchar_t windowClass[] = L"" OPTIONS_CLASS;

// The dialog template names this class: the system's dialog window under a
// name of our own, with the program's icon.
void registerDialogClass(HINSTANCE instance) {
  WNDCLASSEXW dialogClass{};
  dialogClass.cbSize = sizeof dialogClass;
  dialogClass.lpfnWndProc = ::DefDlgProcW;
  dialogClass.cbWndExtra = DLGWINDOWEXTRA;
  dialogClass.hInstance = instance;
  dialogClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(VELTRANA_ICON));
  dialogClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  dialogClass.lpszClassName = windowClass;
  // Without it the dialog cannot be made: said with the system's reason
  // rather than an exit code alone.
  if (!::RegisterClassExW(&dialogClass))
    platform::win32::throwLastError("Cannot register the window class " OPTIONS_CLASS);
}

int runOptions(HINSTANCE instance) {
  const veltrana::options::win32::SingleInstance instanceLock(L"VeltranaOptionsProgram");
  if (instanceLock.another()) {
    veltrana::options::win32::bringToFront(windowClass);
    return 0;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS};
  ::InitCommonControlsEx(&controls);
  registerDialogClass(instance);

  platform::win32::Win32Files files;
  platform::win32::Win32Shell shell;
  platform::win32::Win32Registry registry;
  platform::win32::Win32ProcessorCounters counters;
  veltrana::options::SettingsDocument document(files, shell, registry);
  veltrana::options::win32::OptionsDialog dialog(document, counters);
  // OK and Cancel alike end well; only a dialog that could not be made does not.
  return dialog.run(instance, OPTIONS_DIALOG) == -1 ? 1 : 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
  // Before the single-instance rule: a command does its work while a dialog is open.
  if (const auto command = veltrana::options::setupCommandIn(commandLine))
    return veltrana::options::win32::run(*command, commandLine);
  return platform::win32::runShowingExceptions("Veltrana Options", [instance] { return runOptions(instance); });
}
