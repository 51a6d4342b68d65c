#pragma once

#include <string>
#include <utility>
#include <vector>

namespace platform {
class Files;
class Shell;
}  // namespace platform

namespace veltrana::options {

// The settings folder made ready for the bar: the folder, and in it the
// three skins from the `skins` folder beside the program. A skin that is in
// the settings folder already stays as it is, whoever put it there.
struct FolderPreparation {
  int folderError = 0;  // the folder could not be made, and nothing was copied
  std::vector<std::string> missingSkins;              // in neither folder
  std::vector<std::pair<std::string, int>> failures;  // a skin, and why it could not be copied in
  bool complete() const { return folderError == 0 && missingSkins.empty() && failures.empty(); }
};

FolderPreparation prepareSettingsFolder(platform::Files& files, const std::string& folder,
                                        const std::string& skinsFolder);

// The `skins` folder beside the program, with its trailing backslash.
std::string skinsFolderOf(const platform::Shell& shell);

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& names);

}  // namespace veltrana::options
