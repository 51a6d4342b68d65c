#pragma once

#include <cstddef>
#include <string>

#include "settings/settings_values.h"

namespace veltrana {

// The settings file's text for the values, as the bar writes it: decimal
// numbers, the names of the skins, "True"/"False" and "Move"/"Stay", each
// line ending in CR LF. The first `lines` lines only, when fewer are asked for.
std::string settingsText(const SettingsValues& values, std::size_t lines = settingsLineCount);

// Line `number` (from 1, up to the lines the program knows) of that text,
// without its line end.
std::string settingsLineText(const SettingsValues& values, std::size_t number);

// How many lines a writer of the file puts: the seven, and an optional line
// (with those before it) when its switch is on or its name given, or when the
// file has that line already, so that a file is never longer than it must be.
std::size_t linesToWrite(const SettingsValues& values, std::size_t linesInFile);

}  // namespace veltrana
