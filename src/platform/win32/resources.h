#pragma once

#include "platform/resources.h"

namespace platform::win32 {

// Resources of the running program file.
class Win32Resources : public platform::Resources {
 public:
  std::span<const std::uint8_t> bytes(platform::Resource resource) const override;
};

}  // namespace platform::win32
