#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace veltrana {

inline constexpr char settingsFileName[] = "Options.set";

// The settings folder: the personal documents folder and "\VTR\".
std::string settingsFolderFrom(const std::string& personalFolder);

// The file-error notice's drive: the folder path's first character and ":\".
std::string driveOf(const std::string& personalFolder);

// The seven lines the bar writes when it starts without a settings file, and
// the six a reload pass writes (no seventh line: move mode off).
std::span<const std::uint8_t> startupDefaults();
std::span<const std::uint8_t> reloadDefaults();

}  // namespace veltrana
