#pragma once

#include <optional>
#include <string>
#include <vector>

#include "settings/settings_reading.h"
#include "settings/settings_values.h"

namespace platform {
class Files;
class Registry;
class Shell;
}  // namespace platform

namespace veltrana::options {

// The settings file as the Options program sees it: where it is, what it
// holds, and writing it back; with the texts the program shows for each
// outcome.
class SettingsDocument {
 public:
  SettingsDocument(platform::Files& files, const platform::Shell& shell, const platform::Registry& registry);

  enum class Found {
    file,       // read; lines the bar would refuse are at their defaults
    noFile,     // the defaults
    unreadable, // the defaults; the status says why
    noFolder,   // the settings folder is missing: offer to create it
    noDocuments // the shell knows no documents folder: nothing to edit
  };
  // The texts for the status line name paths whole; those for a box quote a
  // long path by its start and end, so that the box fits on the screen.
  struct Opened {
    Found found = Found::file;
    SettingsValues values;
    std::vector<LineFault> faults;
    std::string status;  // for the status line
    // Windows' startup settings have turned the start at log-on off, whatever line 6 says.
    bool autostartTurnedOff = false;
  };
  Opened open();

  // What the check box of line 6 says beside it while Windows keeps the
  // start at log-on off, and how to turn it on again, for the status line.
  static constexpr char autostartTurnedOffNote[] = "turned off in Windows' startup settings";
  static constexpr char autostartTurnedOffAdvice[] =
      "Windows' startup settings keep Veltrana from starting at log-on, and Veltrana leaves that choice alone: "
      "Task Manager's Startup tab, or Settings > Apps > Startup, turns it on again.";

  // Made by open(); empty when there is no documents folder.
  const std::string& folder() const { return folder_; }
  std::string path() const;

  // The question open() leads to when the folder is missing.
  std::string createFolderQuestion() const;
  struct Created {
    bool done = false;
    std::vector<std::string> missingSkins;  // the skins that could not be copied in
    std::string message;  // why not done, or which skins are missing; empty when all is well
    std::string status;
  };
  // Makes the settings folder and copies in the three skins from the
  // `skins` folder beside the program, as far as they are there.
  Created createFolder();

  struct Saved {
    bool done = false;
    std::string message;  // a status line when done, else the failure with the system's reason
    SettingsValues values;  // when done: what the file holds now, for the dialog to show
  };
  // Writes the seven lines, and the optional ones that are on or that the
  // file has. A file that another writer changed since it was read keeps
  // that writer's lines where `values` left the dialog's as they were (see
  // mergeSettings), and the status says which; lines the program does not
  // know are kept byte for byte.
  Saved save(const SettingsValues& values);

  static std::string faultsStatus(const std::vector<LineFault>& faults);
  // Which lines a save took from the file another writer had changed, and
  // which both changed.
  static std::string mergeReport(const std::vector<int>& taken, const std::vector<int>& kept);

 private:
  Opened openFile();
  std::string skinsFolder() const;

  platform::Files& files_;
  const platform::Shell& shell_;
  const platform::Registry& registry_;
  std::string folder_;
  std::size_t linesInFile_ = 0;
  // The file's bytes as last read or written, when it could be held whole,
  // and the values they gave the dialog.
  std::optional<std::string> base_;
  SettingsValues openedValues_;
};

}  // namespace veltrana::options
