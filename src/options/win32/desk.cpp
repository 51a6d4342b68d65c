#include "options/win32/desk.h"

#include "platform/win32/display.h"

namespace veltrana::options::win32 {

std::vector<MonitorOnDesk> monitorsOnDesk() {
  std::vector<MonitorOnDesk> desk;
  for (const platform::win32::DeskMonitor& m : platform::win32::monitorsOnDesk())
    desk.push_back({m.name, m.full.left, m.full.top,
                    {m.full.right - m.full.left, m.full.bottom - m.full.top, m.dpi}, m.primary});
  return desk;
}

}  // namespace veltrana::options::win32
