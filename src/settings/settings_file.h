#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/shell.h"

namespace veltrana {

inline constexpr char settingsFileName[] = "Options.set";

// A full path: a drive letter and ":\", or "\\" and a network share.
bool isFullPath(std::string_view path);

// The personal documents folder the settings folder lies in: the shell's
// answer when it is a full path. Wine answers for a folder that does not
// exist with its path behind stray characters: such an answer, or none,
// stands for the folder the user's profile names, which then is missing too.
// Nothing when neither is a full path.
std::optional<std::string> documentsFolder(const platform::Shell& shell, platform::WindowHandle owner);

// The settings folder: the personal documents folder and "\VTR\".
std::string settingsFolderFrom(const std::string& personalFolder);

// The file-error notice's drive: the folder path's first character and ":\".
std::string driveOf(const std::string& personalFolder);

// The seven lines the bar writes when it starts without a settings file, and
// the six a reload pass writes (no seventh line: move mode off).
std::span<const std::uint8_t> startupDefaults();
std::span<const std::uint8_t> reloadDefaults();

}  // namespace veltrana
