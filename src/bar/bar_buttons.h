#pragma once

namespace platform {
class Session;
}

namespace veltrana {

// The media commands of the CD buttons; "wait" makes the call return once the tray has moved.
inline constexpr char cdDoorOpenCommand[] = "Set cdaudio door open wait";
inline constexpr char cdDoorClosedCommand[] = "Set cdaudio door closed wait";

// Exit modes of the session buttons.
inline constexpr unsigned exitLogOff = 0;    // log the user off
inline constexpr unsigned exitReboot = 2;    // restart
inline constexpr unsigned exitPowerOff = 8;  // shut down and switch the power off

// Enables the process's shutdown privilege, whatever that achieves, then asks
// the system to end the session with the mode, without forcing other
// programs; true when the system accepted.
bool requestSessionEnd(platform::Session& session, unsigned mode);

}  // namespace veltrana
