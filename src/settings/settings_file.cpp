#include "settings/settings_file.h"

#include <string_view>

namespace veltrana {

namespace {

constexpr std::string_view startupText = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\nMove\r\n";
constexpr std::string_view reloadText = "1\r\n5\r\nSilver\r\n0\r\n32768\r\nTrue\r\n";

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string settingsFolderFrom(const std::string& personalFolder) {
  std::string folder = personalFolder;
  // Some shells give the folder with a trailing backslash; it is not doubled.
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder + "\\VTR\\";
}

std::string driveOf(const std::string& personalFolder) {
  return (personalFolder.empty() ? std::string() : personalFolder.substr(0, 1)) + ":\\";
}

std::span<const std::uint8_t> startupDefaults() { return bytesOf(startupText); }
std::span<const std::uint8_t> reloadDefaults() { return bytesOf(reloadText); }

}  // namespace veltrana
