#pragma once

#include <string>

#include "about/about_text.h"

namespace veltrana::about::win32 {

// The file version in the version resource of a program file.
veltrana::about::BarVersion fileVersion(const std::string& path);

}  // namespace veltrana::about::win32
