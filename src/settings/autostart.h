#pragma once

#include <string>

namespace platform {
class Registry;
class Shell;
}  // namespace platform

namespace veltrana {

inline constexpr char autostartValueName[] = "VTR";

// Writes the program's full path, in double quotes, as the Run value `name`,
// or deletes the value. The value is read first and changed only when it
// differs; failures are ignored.
void ChangeReg(platform::Registry& registry, const platform::Shell& shell, const std::string& name, bool remove);

}  // namespace veltrana
