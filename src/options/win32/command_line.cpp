#include "options/win32/command_line.h"

#include <windows.h>

#include <exception>
#include <string>

#include "options/win32/desk.h"
#include "platform/exception_text.h"
#include "platform/win32/display.h"
#include "platform/win32/files.h"
#include "platform/win32/shell.h"
#include "platform/win32/text.h"
#include "platform/win32/trace.h"

namespace veltrana::options::win32 {

namespace {

// In the ANSI code page, which setup reads it in; nothing when the program
// that started this one takes no output.
void writeOut(const std::string& text) {
  const HANDLE output = ::GetStdHandle(STD_OUTPUT_HANDLE);
  if (output == nullptr || output == INVALID_HANDLE_VALUE || text.empty()) return;
  const std::string bytes = platform::win32::narrowAnsi(platform::win32::widen(text));
  DWORD written = 0;
  if (!::WriteFile(output, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
    platform::win32::traceIgnoredFailure("writing the answer to standard output");
}

}  // namespace

CommandAnswer answer(SetupCommand command, std::string_view commandLine,
                     const std::function<std::vector<MonitorOnDesk>()>& desk) {
  // Before anything reads the monitors: the dialog's manifest makes the
  // process system aware, which a thread may override but the process not.
  const platform::win32::PerMonitorDpiAwareness perMonitor;
  platform::win32::Win32Files files;
  const platform::win32::Win32Shell shell;
  switch (command) {
    case SetupCommand::fit: return fitSettings(files, shell);
    case SetupCommand::fitOffer: return offerFitting(files, shell, desk());
    case SetupCommand::prepare: return prepareFolder(files, shell);
    case SetupCommand::unknown: break;
  }
  return unknownCommandAnswer(commandLine);
}

int run(SetupCommand command, std::string_view commandLine) {
  // No box: setup waits for the exit code, and a silent setup has no one to
  // answer a box.
  try {
    const CommandAnswer given = answer(command, commandLine, monitorsOnDesk);
    writeOut(given.text);
    return given.exitCode;
  } catch (...) {
    writeOut(platform::describeException(std::current_exception()));
    return failedCommandCode(command);
  }
}

}  // namespace veltrana::options::win32
