#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace veltrana::about {

inline constexpr char barFileName[] = "Veltrana.exe";

// What the version resource of the bar's file gave.
struct BarVersion {
  int error = 0;  // the system's code when the file could not be read
  std::optional<std::array<std::uint16_t, 4>> numbers;  // nothing when the file has no version
};

// "Version 1.0.0" (a fourth number only when it is not 0), or what kept the
// version from being read, said plainly.
std::string versionLine(const BarVersion& version);

}  // namespace veltrana::about
