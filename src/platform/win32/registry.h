#pragma once

#include <optional>
#include <string>

#include "platform/registry.h"

namespace platform::win32 {

// A string value under a key of the current user, as stored (REG_SZ or
// REG_EXPAND_SZ, variables not expanded); nothing when there is none.
std::optional<std::wstring> userStringValue(const wchar_t* keyName, const std::wstring& valueName);

// The current user's Run key: no administrator rights needed.
class Win32Registry : public platform::Registry {
 public:
  std::optional<std::string> runValue(const std::string& name) const override;
  bool setRunValue(const std::string& name, const std::string& command) override;
  bool deleteRunValue(const std::string& name) override;
  bool runValueTurnedOff(const std::string& name) const override;
};

}  // namespace platform::win32
