#pragma once

#include <string>

namespace veltrana {

// The program's own full file name up to and including its last backslash;
// empty when it has none. Companion files are found by appending their names.
std::string executableFolder(const std::string& programFile);

}  // namespace veltrana
