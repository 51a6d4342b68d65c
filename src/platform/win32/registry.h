#pragma once

#include "platform/registry.h"

namespace platform::win32 {

// The current user's Run key: no administrator rights needed.
class Win32Registry : public platform::Registry {
 public:
  std::optional<std::string> runValue(const std::string& name) const override;
  bool setRunValue(const std::string& name, const std::string& command) override;
  bool deleteRunValue(const std::string& name) override;
};

}  // namespace platform::win32
