#include "bar/full_screen.h"

namespace veltrana {

bool isFullScreenProgram(const std::optional<toolkit::ForegroundWindow>& front, const toolkit::Monitor& barMonitor) {
  if (!front || front->shellOrDesktop || front->ours || front->maximised || front->minimised) return false;
  return !barMonitor.full.empty() && front->bounds.intersect(barMonitor.full) == barMonitor.full;
}

}  // namespace veltrana
