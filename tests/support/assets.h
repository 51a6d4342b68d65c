#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings_values.h"

namespace fakes {

// A whole file of the project's assets folder, by its path there
// ("skins/olive.bmp"); throws when it cannot be read, so that a test never
// goes on with an empty picture.
std::vector<std::uint8_t> readAsset(const std::string& name);

// The skins an installer puts into the settings folder (assets/skins).
using veltrana::skinFiles;

}  // namespace fakes
