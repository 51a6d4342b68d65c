#pragma once

#include <string>

#include "about/about_text.h"

namespace win32 {

// The file version in the version resource of a program file.
veltrana::about::BarVersion fileVersion(const std::string& path);

}  // namespace win32
