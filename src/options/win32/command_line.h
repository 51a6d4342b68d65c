#pragma once

#include <functional>
#include <string_view>

#include "common/screen.h"
#include "options/setup_commands.h"

namespace veltrana::options::win32 {

// The answer to one of the program's commands, on the real files; the screen
// as `screen` reads it (the primary screen's, but in a test). The screen is
// read with the thread per-monitor DPI aware, so that setup sees the scaling
// the user has now, not the one the session started with.
CommandAnswer answer(SetupCommand command, std::string_view commandLine, const std::function<Screen()>& screen);

// Runs one of the program's commands on the real files and screen, writes its
// text to standard output and gives its exit code.
int run(SetupCommand command, std::string_view commandLine);

}  // namespace veltrana::options::win32
