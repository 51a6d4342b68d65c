#include "bar/full_screen.h"

namespace veltrana {

bool isFullScreenProgram(const toolkit::ForegroundWindow& window, const toolkit::Monitor& monitor) {
  if (window.shellOrDesktop || window.ours || window.maximised || window.minimised) return false;
  return window.bounds.intersect(monitor.full) == monitor.full && !monitor.full.empty();
}

}  // namespace veltrana
