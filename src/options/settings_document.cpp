#include "options/settings_document.h"

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "settings/autostart.h"
#include "settings/error_messages.h"
#include "settings/settings_file.h"
#include "settings/settings_writer.h"

namespace veltrana::options {

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

bool notThere(int code) { return code == platform::error::fileNotFound || code == platform::error::pathNotFound; }

}  // namespace

SettingsDocument::SettingsDocument(platform::Files& files, const platform::Shell& shell,
                                   const platform::Registry& registry)
    : files_(files), shell_(shell), registry_(registry) {}

std::string SettingsDocument::path() const { return folder_ + settingsFileName; }

std::string SettingsDocument::skinsFolder() const { return platform::executableFolder(shell_.programPath()) + "skins\\"; }

SettingsDocument::Opened SettingsDocument::open() {
  Opened opened = openFile();
  opened.autostartTurnedOff = registry_.runValueTurnedOff(autostartValueName);
  if (opened.autostartTurnedOff) opened.status += "\n" + std::string(autostartTurnedOffAdvice);
  return opened;
}

SettingsDocument::Opened SettingsDocument::openFile() {
  Opened opened;
  const auto personal = documentsFolder(shell_, 0);
  if (!personal) {
    opened.found = Found::noDocuments;
    opened.status = "Windows names no Documents folder for this user, so there is no place for the settings.";
    return opened;
  }
  folder_ = settingsFolderFrom(*personal);
  // What an earlier copy killed in the middle of a save left beside the file.
  files_.removeLeftovers(path());
  platform::OpenedFile file = files_.openForReading(path());
  switch (file.error) {
    case platform::error::none: {
      SettingsReading reading = readSettings(std::move(file.file), files_, AtFault::readOn);
      opened.values = reading.values;
      opened.faults = reading.faults;
      linesInFile_ = reading.linesInFile;
      opened.status = reading.faults.empty() ? "Settings file: " + path() : faultsStatus(reading.faults);
      for (const NearlyASwitch& near : reading.nearlySwitches)
        opened.status += " Line " + std::to_string(near.line) + " reads '" + files_.decodeFileText(near.text) +
                         "', not '" + std::string(near.word) + "': the switch is off.";
      return opened;
    }
    case platform::error::fileNotFound:
      opened.found = Found::noFile;
      opened.status = "There is no settings file yet: the fields show the defaults. OK or Apply writes it.";
      return opened;
    case platform::error::pathNotFound:
      opened.found = Found::noFolder;
      opened.status = "The settings folder " + folder_ + " does not exist.";
      return opened;
    default:
      opened.found = Found::unreadable;
      opened.status = path() + " cannot be read: " + systemReason(files_.errorText(file.error)) +
                      ". The fields show the defaults.";
      return opened;
  }
}

std::string SettingsDocument::faultsStatus(const std::vector<LineFault>& faults) {
  if (!faults.empty() && faults.front().wholeFile)
    return faults.front().message + ". The fields show the defaults; OK or Apply saves them as ANSI text.";
  std::string status;
  for (const LineFault& fault : faults) status += "Line " + std::to_string(fault.line) + ": " + fault.message + ". ";
  status += faults.size() == 1 ? "The field shows its default." : "These fields show their defaults.";
  return status;
}

std::string SettingsDocument::createFolderQuestion() const {
  return "Veltrana keeps its settings and skins in the folder\n\n" + quotedPath(folder_) +
         "\n\nwhich does not exist. Create it now and copy in the skins?";
}

SettingsDocument::Created SettingsDocument::createFolder() {
  Created created;
  if (const int error = files_.createFolder(folder_)) {
    created.message =
        "The folder " + quotedPath(folder_) + " cannot be created: " + systemReason(files_.errorText(error)) + ".";
    return created;
  }
  created.done = true;
  std::string failures;
  for (std::string_view skin : skinFiles) {
    const std::string name(skin);
    const int error = files_.copyFile(skinsFolder() + name, folder_ + name);
    if (notThere(error))
      created.missingSkins.push_back(name);
    else if (error)
      failures += " " + name + " cannot be copied in: " + systemReason(files_.errorText(error)) + ".";
  }
  if (created.missingSkins.empty() && failures.empty()) {
    created.status = "Created " + folder_ + " with the three skins.";
    return created;
  }
  created.status = "Created " + folder_ + ", without all of the skins.";
  created.message = "The folder " + quotedPath(folder_) + " was created.";
  if (!created.missingSkins.empty())
    created.message += " The skins are missing: " + listed(created.missingSkins) +
                       (created.missingSkins.size() == 1 ? " is" : " are") + " not in " +
                       quotedPath(skinsFolder()) + ".";
  created.message += failures;
  created.message += "\n\nUntil a skin is in the new folder, the bar reports an error when it is to show it.";
  return created;
}

SettingsDocument::Saved SettingsDocument::save(const SettingsValues& values) {
  const std::size_t lines = linesToWrite(values, linesInFile_);
  const int error = files_.replaceWith(path(), bytesOf(settingsText(values, lines)));
  if (error == platform::error::none) {
    linesInFile_ = lines;
    return {true, "Saved. The bar shows the change within a second."};
  }
  // The user marked it so: said plainly, not as the system's "access denied".
  const std::string reason =
      error == platform::error::readOnly ? "the file is marked read-only" : systemReason(files_.errorText(error));
  return {false, "The settings cannot be saved to " + quotedPath(path()) + ": " + reason +
                     ".\n\nThe file was left as it was."};
}

}  // namespace veltrana::options
