#include "settings/settings_file.h"

#include <string_view>

#include "settings/settings_writer.h"

namespace veltrana {

namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

bool isFullPath(std::string_view path) {
  if (path.starts_with("\\\\")) return true;
  const bool driveLetter = !path.empty() && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return driveLetter && path.substr(1, 2) == ":\\";
}

std::optional<std::string> documentsFolder(const platform::Shell& shell, platform::WindowHandle owner) {
  if (auto answer = shell.personalFolder(owner); answer && isFullPath(*answer)) return answer;
  if (auto setting = shell.personalFolderSetting(); setting && isFullPath(*setting)) return setting;
  return std::nullopt;
}

std::string settingsFolderFrom(const std::string& personalFolder) {
  std::string folder = personalFolder;
  // Some shells give the folder with a trailing backslash; it is not doubled.
  while (!folder.empty() && folder.back() == '\\') folder.pop_back();
  return folder + "\\VTR\\";
}

std::string driveOf(const std::string& personalFolder) {
  return (personalFolder.empty() ? std::string() : personalFolder.substr(0, 1)) + ":\\";
}

// Written by the one writer of the format, so the bar's defaults and the
// Options program's file can never differ in form.
std::span<const std::uint8_t> startupDefaults() {
  static const std::string text = settingsText(SettingsValues{});
  return bytesOf(text);
}

std::span<const std::uint8_t> reloadDefaults() {
  static const std::string text = settingsText(SettingsValues{}, settingsLineCount - 1);
  return bytesOf(text);
}

}  // namespace veltrana
