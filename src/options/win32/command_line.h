#pragma once

#include "options/setup_commands.h"

namespace veltrana::options::win32 {

// Runs one of setup's commands on the real files and screen, writes its
// text to standard output and gives its exit code.
int run(SetupCommand command);

}  // namespace veltrana::options::win32
