#pragma once

#include <map>
#include <vector>

#include "platform/resources.h"
#include "platform/system_info.h"
#include "platform/window_system.h"

namespace fakes {

class FakeWindowSystem : public platform::WindowSystem {
 public:
  // One monitor of the size at the desktop's origin, without a taskbar.
  void setScreen(int width, int height);

  std::vector<toolkit::Monitor> monitors() const override { return monitorList; }
  toolkit::Point cursorPos() const override { return cursor; }

  std::vector<toolkit::Monitor> monitorList;
  toolkit::Point cursor;
};

class FakeSystemInfo : public platform::SystemInfo {
 public:
  platform::Date today() const override { return date; }

  platform::Date date{2007, 3, 9};
};

// The program's resources, read from the assets folder.
class FakeResources : public platform::Resources {
 public:
  std::span<const std::uint8_t> bytes(platform::Resource resource) const override;

 private:
  mutable std::map<platform::Resource, std::vector<std::uint8_t>> loaded_;
};

}  // namespace fakes
