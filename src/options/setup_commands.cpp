#include "options/setup_commands.h"

#include <variant>

#include "common/dpi.h"
#include "common/made_for_screens.h"
#include "common/text.h"
#include "options/option_fields.h"
#include "settings/line_setting.h"
#include "settings/settings_file.h"
#include "settings/settings_lines.h"

namespace veltrana::options {

namespace {

constexpr std::size_t fitLine = 8;
constexpr std::string_view fitWord = std::get<SwitchLine>(settingsLines[fitLine - 1]).on;

std::optional<std::string> settingsPath(const platform::Shell& shell) {
  const auto personal = documentsFolder(shell, 0);
  if (!personal) return std::nullopt;
  return settingsFolderFrom(*personal) + settingsFileName;
}

}  // namespace

std::optional<SetupCommand> setupCommandIn(std::string_view commandLine) {
  commandLine = trimmed(commandLine);
  if (sameIgnoringCase(commandLine, "/fit")) return SetupCommand::fit;
  if (sameIgnoringCase(commandLine, "/fit-offer")) return SetupCommand::fitOffer;
  return std::nullopt;
}

CommandAnswer fitSettings(platform::Files& files, const platform::Shell& shell) {
  const auto path = settingsPath(shell);
  if (!path) return {fitRefused, "Windows names no Documents folder for this user"};
  const LineSetting setting = setSettingsLine(files, *path, fitLine, fitWord);
  if (setting.outcome == LineSetting::Outcome::refused) return {fitRefused, setting.reason};
  return {fitDone, {}};
}

CommandAnswer offerFitting(platform::Files& files, const platform::Shell& shell, const Screen& screen) {
  CommandAnswer answer{fitNotOffered, screenText(screen)};
  if (screen.dpi == designDpi && madeForScreen(screen.width, screen.height)) return answer;
  const auto path = settingsPath(shell);
  if (!path || !settingsLineReads(files, *path, fitLine, fitWord)) answer.exitCode = fitOffered;
  return answer;
}

}  // namespace veltrana::options
