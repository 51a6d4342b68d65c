#pragma once

#include "platform/shell.h"

namespace platform {
class Multimedia;
class Session;
}  // namespace platform

namespace veltrana {

inline constexpr char cdDoorOpenCommand[] = "Set cdaudio door open wait";
inline constexpr char cdDoorClosedCommand[] = "Set cdaudio door closed wait";

// Exit modes of the session buttons.
inline constexpr unsigned exitLogOff = 0;   // log the user off
inline constexpr unsigned exitReboot = 2;   // restart
inline constexpr unsigned exitPowerOff = 8;  // shut down and switch the power off

// Asks the system to end the session with the mode, after enabling the
// shutdown privilege where the system has one; true when it accepted.
bool MyExitWindows(platform::Session& session, unsigned mode);

// Opens or closes the default CD audio device's tray and waits for it to
// move; the device's answer is dropped.
void sendTrayCommand(platform::Multimedia& multimedia, const char* command, platform::WindowHandle bar);

}  // namespace veltrana
