#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "common/screen.h"

namespace platform {
class Files;
class Shell;
}  // namespace platform

namespace veltrana::options {

// The Options program's command line, which setup calls; started without
// one, the program opens its dialog. A command shows no window and answers
// with an exit code and a line of text on standard output:
//   /fit        sets line 8 of the settings file to Fit, every other byte
//               kept: 0 when it reads Fit (written, or already so), 3 when
//               the file was left as it was, the text saying why.
//   /fit-offer  names the primary screen and its scaling as the check box
//               does ("1920 x 1080 at 150 %"): 0 when fitting is worth
//               offering (the screen is not one of the four the bar was made
//               for at 100 %, and line 8 does not read Fit), 1 when not.
enum class SetupCommand { fit, fitOffer };

// The command a command line (the program's name left out) asks for, its
// switch in any case; nothing for any other text.
std::optional<SetupCommand> setupCommandIn(std::string_view commandLine);

struct CommandAnswer {
  int exitCode = 0;
  std::string text;  // for standard output; may be empty
};

inline constexpr int fitDone = 0;
inline constexpr int fitRefused = 3;
inline constexpr int fitOffered = 0;
inline constexpr int fitNotOffered = 1;

CommandAnswer fitSettings(platform::Files& files, const platform::Shell& shell);

// `screen` is the primary screen.
CommandAnswer offerFitting(platform::Files& files, const platform::Shell& shell, const Screen& screen);

}  // namespace veltrana::options
