#include "windows/executable_folder.h"

namespace veltrana {

std::string executableFolder(const std::string& programFile) {
  const auto slash = programFile.find_last_of('\\');
  return slash == std::string::npos ? std::string() : programFile.substr(0, slash + 1);
}

}  // namespace veltrana
