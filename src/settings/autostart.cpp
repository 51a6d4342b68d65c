#include "settings/autostart.h"

#include "platform/registry.h"
#include "platform/shell.h"

namespace veltrana {

void ChangeReg(platform::Registry& registry, const platform::Shell& shell, const std::string& name, bool remove) {
  const auto current = registry.runValue(name);
  if (remove) {
    if (current) registry.deleteRunValue(name);
    return;
  }
  // Quoted: a path with spaces is otherwise read as a program and arguments.
  const std::string command = "\"" + shell.programPath() + "\"";
  if (current != command) registry.setRunValue(name, command);
}

}  // namespace veltrana
