#include "actions/bar_buttons.h"

#include "platform/multimedia.h"
#include "platform/session.h"

namespace veltrana {

bool MyExitWindows(platform::Session& session, unsigned mode) {
  if (session.ntPlatform()) session.enableShutdownPrivilege();
  return session.exitWindows(mode);
}

void sendTrayCommand(platform::Multimedia& multimedia, const char* command, platform::WindowHandle bar) {
  multimedia.sendCommand(command, bar);
}

}  // namespace veltrana
