#include "options/setup_commands.h"

#include <memory>
#include <variant>

#include "common/dpi.h"
#include "common/made_for_screens.h"
#include "common/text.h"
#include "options/option_fields.h"
#include "options/settings_folder.h"
#include "platform/files.h"
#include "settings/error_messages.h"
#include "settings/held_settings.h"
#include "settings/line_setting.h"
#include "settings/settings_file.h"
#include "settings/settings_lines.h"
#include "settings/settings_reading.h"

namespace veltrana::options {

namespace {

constexpr std::size_t fitLine = 8;
constexpr std::string_view fitWord = std::get<SwitchLine>(settingsLines[fitLine - 1]).on;

constexpr char noDocuments[] = "Windows names no Documents folder for this user";

std::optional<std::string> settingsFolder(const platform::Shell& shell) {
  const auto personal = documentsFolder(shell, 0);
  if (!personal) return std::nullopt;
  return settingsFolderFrom(*personal);
}

std::optional<std::string> settingsPath(const platform::Shell& shell) {
  const auto folder = settingsFolder(shell);
  if (!folder) return std::nullopt;
  return *folder + settingsFileName;
}

// Line 12 as the bar reads it; empty (the main monitor) when the file is
// missing or is none that setup would change.
std::string monitorLine(platform::Files& files, const std::string& path) {
  const HeldSettings held = holdSettings(files, path);
  if (!held.bytes) return {};
  return readSettings(std::make_unique<HeldFile>(*held.bytes), files, AtFault::stop).values.monitor;
}

// "(5: Access is denied)", as setSettingsLine gives a reason.
std::string codeAndReason(int code, const platform::Files& files) {
  return "(" + std::to_string(code) + ": " + systemReason(files.errorText(code)) + ")";
}

}  // namespace

std::optional<SetupCommand> setupCommandIn(std::string_view commandLine) {
  commandLine = trimmed(commandLine);
  if (commandLine.empty()) return std::nullopt;
  if (sameIgnoringCase(commandLine, "/fit")) return SetupCommand::fit;
  if (sameIgnoringCase(commandLine, "/fit-offer")) return SetupCommand::fitOffer;
  if (sameIgnoringCase(commandLine, "/prepare")) return SetupCommand::prepare;
  return SetupCommand::unknown;
}

CommandAnswer fitSettings(platform::Files& files, const platform::Shell& shell) {
  const auto path = settingsPath(shell);
  if (!path) return {fitRefused, noDocuments};
  const LineSetting setting = setSettingsLine(files, *path, fitLine, fitWord);
  if (setting.outcome == LineSetting::Outcome::refused) return {fitRefused, setting.reason};
  return {fitDone, {}};
}

CommandAnswer offerFitting(platform::Files& files, const platform::Shell& shell,
                           std::span<const MonitorOnDesk> desk) {
  const auto path = settingsPath(shell);
  const MonitorOnDesk* monitor = barMonitor(desk, path ? monitorLine(files, *path) : std::string());
  const Screen screen = monitor ? monitor->screen : Screen{};
  CommandAnswer answer{fitNotOffered, screenText(screen)};
  if (screen.dpi == designDpi && madeForScreen(screen.width, screen.height)) return answer;
  if (!path || !settingsLineReads(files, *path, fitLine, fitWord)) answer.exitCode = fitOffered;
  return answer;
}

CommandAnswer prepareFolder(platform::Files& files, const platform::Shell& shell) {
  const auto folder = settingsFolder(shell);
  if (!folder) return {prepareRefused, noDocuments};
  const std::string skins = skinsFolderOf(shell);
  const FolderPreparation preparation = prepareSettingsFolder(files, *folder, skins);
  if (preparation.folderError)
    return {prepareRefused, "the folder " + *folder + " cannot be created " + codeAndReason(preparation.folderError, files)};
  std::string reasons;
  const auto add = [&reasons](const std::string& reason) { reasons += (reasons.empty() ? "" : "; ") + reason; };
  if (!preparation.missingSkins.empty())
    add(listed(preparation.missingSkins) + (preparation.missingSkins.size() == 1 ? " is" : " are") + " neither in " +
        *folder + " nor in " + skins);
  for (const auto& [name, error] : preparation.failures)
    add(name + " cannot be copied into " + *folder + " " + codeAndReason(error, files));
  if (preparation.complete()) return {prepared, {}};
  return {prepareRefused, reasons};
}

CommandAnswer unknownCommandAnswer(std::string_view commandLine) {
  return {unknownCommand, "Unknown command '" + std::string(trimmed(commandLine)) +
                              "'. Options.exe takes /fit, /fit-offer or /prepare; without a command it opens its "
                              "dialog."};
}

int failedCommandCode(SetupCommand command) {
  switch (command) {
    case SetupCommand::fit: return fitRefused;
    case SetupCommand::fitOffer: return fitNotOffered;
    case SetupCommand::prepare: return prepareRefused;
    case SetupCommand::unknown: return unknownCommand;
  }
  return unknownCommand;
}

}  // namespace veltrana::options
