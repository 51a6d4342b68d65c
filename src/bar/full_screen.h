#pragma once

#include "toolkit/backend.h"
#include "toolkit/monitors.h"

namespace veltrana {

// Whether the window in the foreground is a program running full-screen on
// the monitor: it covers the whole monitor and is neither the desktop, nor
// one of the shell's or the bar's own windows, nor a maximised window with
// its title bar, which is a window however large it is.
bool isFullScreenProgram(const toolkit::ForegroundWindow& window, const toolkit::Monitor& monitor);

}  // namespace veltrana
