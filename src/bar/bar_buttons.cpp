#include "bar/bar_buttons.h"

#include "platform/session.h"

namespace veltrana {

bool requestSessionEnd(platform::Session& session, unsigned mode) {
  session.enableShutdownPrivilege();
  return session.exitWindows(mode);
}

}  // namespace veltrana
