#include "options/settings_document.h"

#include "platform/files.h"
#include "platform/registry.h"
#include "options/settings_folder.h"
#include "options/settings_merge.h"
#include "platform/shell.h"
#include "settings/autostart.h"
#include "settings/error_messages.h"
#include "settings/held_settings.h"
#include "settings/settings_file.h"
#include "settings/settings_writer.h"

namespace veltrana::options {

namespace {

std::span<const std::uint8_t> bytesOf(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

SettingsDocument::SettingsDocument(platform::Files& files, const platform::Shell& shell,
                                   const platform::Registry& registry)
    : files_(files), shell_(shell), registry_(registry) {}

std::string SettingsDocument::path() const { return folder_ + settingsFileName; }

std::string SettingsDocument::skinsFolder() const { return skinsFolderOf(shell_); }

SettingsDocument::Opened SettingsDocument::open() {
  Opened opened = openFile();
  opened.autostartTurnedOff = registry_.runValueTurnedOff(autostartValueName);
  if (opened.autostartTurnedOff) opened.status += "\n" + std::string(autostartTurnedOffAdvice);
  return opened;
}

SettingsDocument::Opened SettingsDocument::openFile() {
  Opened opened;
  base_.reset();
  openedValues_ = {};
  linesInFile_ = 0;
  const auto personal = documentsFolder(shell_, 0);
  if (!personal) {
    opened.found = Found::noDocuments;
    opened.status = "Windows names no Documents folder for this user, so there is no place for the settings.";
    return opened;
  }
  folder_ = settingsFolderFrom(*personal);
  // What an earlier copy killed in the middle of a save left beside the file.
  files_.removeLeftovers(path());
  // Held whole, the file is read from its bytes: they are what a save
  // compares the file with then, to keep what another writer changed.
  HeldSettings held = holdSettings(files_, path());
  base_ = std::move(held.bytes);
  platform::OpenedFile file;
  if (base_)
    file.file = std::make_unique<HeldFile>(*base_);
  else if (held.notSettings)
    file = files_.openForReading(path());
  else
    file.error = held.error ? held.error : platform::error::accessDenied;
  switch (file.error) {
    case platform::error::none: {
      SettingsReading reading = readSettings(std::move(file.file), files_, AtFault::readOn);
      openedValues_ = reading.values;
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
      if (!held.error) {  // opened, but not read to its end
        opened.status = path() + " cannot be read. The fields show the defaults.";
        return opened;
      }
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
  const FolderPreparation prepared = prepareSettingsFolder(files_, folder_, skinsFolder());
  if (prepared.folderError) {
    created.message = "The folder " + quotedPath(folder_) +
                      " cannot be created: " + systemReason(files_.errorText(prepared.folderError)) + ".";
    return created;
  }
  created.done = true;
  created.missingSkins = prepared.missingSkins;
  std::string failures;
  for (const auto& [name, error] : prepared.failures)
    failures += " " + name + " cannot be copied in: " + systemReason(files_.errorText(error)) + ".";
  if (prepared.complete()) {
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
  const auto refused = [this](const std::string& reason) {
    return Saved{false,
                 "The settings cannot be saved to " + quotedPath(path()) + ": " + reason +
                     ".\n\nThe file was left as it was.",
                 {}};
  };
  // Another writer may have changed the file since it was read: its lines
  // that the dialog did not change are kept.
  const HeldSettings now = holdSettings(files_, path());
  if (!now.missing() && !now.bytes && !now.notSettings) return refused(now.refusal);
  MergedSettings merged;
  if (now.bytes) {
    merged = mergeSettings(base_, openedValues_, now.bytes, values);
  } else {
    // No file, or none worth keeping: the dialog's values alone.
    merged.text = settingsText(values, linesToWrite(values, now.missing() ? 0 : linesInFile_));
  }
  const int error = files_.replaceWith(path(), bytesOf(merged.text));
  if (error != platform::error::none)
    // The user marked it so: said plainly, not as the system's "access denied".
    return refused(error == platform::error::readOnly ? "the file is marked read-only"
                                                       : systemReason(files_.errorText(error)));
  const SettingsReading written =
      readSettings(std::make_unique<HeldFile>(merged.text), files_, AtFault::readOn);
  base_ = merged.text;
  openedValues_ = written.values;
  linesInFile_ = written.linesInFile;
  Saved saved{true, "Saved. The bar shows the change within a second.", written.values};
  if (!merged.taken.empty() || !merged.kept.empty())
    saved.message += " " + mergeReport(merged.taken, merged.kept);
  if (!written.faults.empty()) saved.message += " " + faultsStatus(written.faults);
  return saved;
}

std::string SettingsDocument::mergeReport(const std::vector<int>& taken, const std::vector<int>& kept) {
  const auto lines = [](const std::vector<int>& numbers) {
    std::vector<std::string> names;
    for (int number : numbers) names.push_back(std::to_string(number));
    return (numbers.size() == 1 ? "line " : "lines ") + listed(names);
  };
  std::string report = "Another program had changed the settings file since Options read it";
  if (!taken.empty())
    report += ": " + lines(taken) + (taken.size() == 1 ? " is" : " are") + " as the file had " +
              (taken.size() == 1 ? "it" : "them");
  report += ".";
  if (!kept.empty()) {
    std::string both = lines(kept);
    both[0] = 'L';
    report += " " + both + (kept.size() == 1 ? " had changed there too, and has the value" : " had changed there too, and have the values") +
              " set here.";
  }
  return report;
}

}  // namespace veltrana::options
