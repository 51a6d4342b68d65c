#include "about/about_text.h"

#include "platform/files.h"

namespace veltrana::about {

std::string versionLine(const BarVersion& version) {
  if (version.error == platform::error::fileNotFound || version.error == platform::error::pathNotFound)
    return std::string(barFileName) + " is not in this folder, so its version is unknown.";
  if (version.error != platform::error::none)
    return std::string(barFileName) + " cannot be read (error " + std::to_string(version.error) +
           "), so its version is unknown.";
  if (!version.numbers) return std::string(barFileName) + " in this folder carries no version.";
  const auto& n = *version.numbers;
  std::string text = "Version " + std::to_string(n[0]) + "." + std::to_string(n[1]) + "." + std::to_string(n[2]);
  if (n[3] != 0) text += "." + std::to_string(n[3]);
  return text;
}

}  // namespace veltrana::about
