#pragma once

#include <functional>
#include <string_view>
#include <vector>

#include "options/monitor_choice.h"
#include "options/setup_commands.h"

namespace veltrana::options::win32 {

// The answer to one of the program's commands, on the real files; the desk's
// monitors as `desk` reads them (the real ones, but in a test). They are
// read with the thread per-monitor DPI aware, so that setup sees the scaling
// the user has now, not the one the session started with.
CommandAnswer answer(SetupCommand command, std::string_view commandLine,
                     const std::function<std::vector<MonitorOnDesk>()>& desk);

// Runs one of the program's commands on the real files and monitors, writes
// its text to standard output and gives its exit code.
int run(SetupCommand command, std::string_view commandLine);

}  // namespace veltrana::options::win32
