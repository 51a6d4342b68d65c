#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "options/monitor_choice.h"

namespace platform {
class Files;
class Shell;
}  // namespace platform

namespace veltrana::options {

// The Options program's command line, which setup and package managers
// call; started without one (or with blanks alone), the program opens its
// dialog. A command shows no window and answers with an exit code and a
// line of text on standard output:
//   /fit        sets line 8 of the settings file to Fit, every other byte
//               kept: 0 when it reads Fit (written, or already so), 3 when
//               the file was left as it was, the text saying why.
//   /fit-offer  names the bar's monitor and its scaling as the check box
//               does ("1920 x 1080 at 150 %"): the monitor line 12 names
//               while it is connected, else the main one. 0 when fitting is
//               worth offering (that screen is not one of the four the bar
//               was made for at 100 %, and line 8 does not read Fit), 1 when
//               not.
//   /prepare    makes the settings folder and copies in the skins it lacks
//               from the `skins` folder beside the program, never over a
//               file that is there: 0 when the folder holds the three
//               skins, 3 when not, the text saying why.
// Any other text is an unknown command: 2, and the text names the commands,
// so that a script with a typo ends at once rather than wait for a dialog
// no one sees.
enum class SetupCommand { fit, fitOffer, prepare, unknown };

// The command a command line (the program's name left out) asks for, its
// switch in any case; nothing for an empty line, which opens the dialog.
std::optional<SetupCommand> setupCommandIn(std::string_view commandLine);

struct CommandAnswer {
  int exitCode = 0;
  std::string text;  // for standard output; may be empty
};

inline constexpr int fitDone = 0;
inline constexpr int fitRefused = 3;
inline constexpr int fitOffered = 0;
inline constexpr int fitNotOffered = 1;
inline constexpr int prepared = 0;
inline constexpr int prepareRefused = 3;
inline constexpr int unknownCommand = 2;

CommandAnswer fitSettings(platform::Files& files, const platform::Shell& shell);

// `desk` is the desk's monitors, as the command reads them.
CommandAnswer offerFitting(platform::Files& files, const platform::Shell& shell,
                           std::span<const MonitorOnDesk> desk);

CommandAnswer prepareFolder(platform::Files& files, const platform::Shell& shell);

// The answer to a command line that names no command: what the program takes.
CommandAnswer unknownCommandAnswer(std::string_view commandLine);

// The exit code of a command that failed on something unforeseen.
int failedCommandCode(SetupCommand command);

}  // namespace veltrana::options
