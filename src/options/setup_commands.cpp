#include "options/setup_commands.h"

#include <variant>

#include "options/option_fields.h"
#include "platform/dpi.h"
#include "settings/line_setting.h"
#include "settings/made_for_screens.h"
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

bool blank(char c) { return c == ' ' || c == '\t'; }

bool sameIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

std::optional<SetupCommand> setupCommandIn(std::string_view commandLine) {
  while (!commandLine.empty() && blank(commandLine.front())) commandLine.remove_prefix(1);
  while (!commandLine.empty() && blank(commandLine.back())) commandLine.remove_suffix(1);
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

CommandAnswer offerFitting(platform::Files& files, const platform::Shell& shell, const PrimaryScreen& screen) {
  CommandAnswer answer{fitNotOffered, screenText(screen.width, screen.height, screen.dpi)};
  if (screen.dpi == platform::designDpi && madeForScreen(screen.width, screen.height)) return answer;
  const auto path = settingsPath(shell);
  if (!path || !settingsLineReads(files, *path, fitLine, fitWord)) answer.exitCode = fitOffered;
  return answer;
}

}  // namespace veltrana::options
