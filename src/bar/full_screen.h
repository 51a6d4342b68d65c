#pragma once

#include <optional>

#include "toolkit/backend.h"
#include "toolkit/monitors.h"

namespace veltrana {

// Whether the window in front is a program running full-screen on the bar's
// monitor, which the bar steps aside for: it covers that whole monitor and is
// neither the desktop, nor one of the shell's or the bar's own windows, nor a
// minimised one, nor a maximised window with its title bar, which is a
// window however large it is. What the shell says of a full-screen program
// (presentation mode, a game, its notice to desktop toolbars) is not asked:
// it answers for the whole system, not for this monitor, and says nothing a
// window covering this monitor would not show.
bool isFullScreenProgram(const std::optional<toolkit::ForegroundWindow>& front, const toolkit::Monitor& barMonitor);

}  // namespace veltrana
