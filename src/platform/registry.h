#pragma once

#include <optional>
#include <string>

namespace platform {

// The values under the current user's Run key, which the system starts at log-on.
class Registry {
 public:
  virtual ~Registry() = default;
  virtual std::optional<std::string> runValue(const std::string& name) const = 0;
  // Both report whether the change was made.
  virtual bool setRunValue(const std::string& name, const std::string& command) = 0;
  virtual bool deleteRunValue(const std::string& name) = 0;
  // Whether Windows' startup settings (Task Manager's Startup tab) have
  // turned the Run value off: Windows then does not start it, though it is there.
  virtual bool runValueTurnedOff(const std::string& name) const = 0;
};

}  // namespace platform
