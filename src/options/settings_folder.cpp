#include "options/settings_folder.h"

#include "platform/files.h"
#include "platform/shell.h"
#include "settings/settings_values.h"

namespace veltrana::options {

FolderPreparation prepareSettingsFolder(platform::Files& files, const std::string& folder,
                                        const std::string& skinsFolder) {
  FolderPreparation prepared;
  prepared.folderError = files.createFolder(folder);
  if (prepared.folderError) return prepared;
  for (std::string_view skin : skinFiles) {
    const std::string name(skin);
    const int error = files.copyFile(skinsFolder + name, folder + name);
    if (error == platform::error::fileNotFound || error == platform::error::pathNotFound)
      prepared.missingSkins.push_back(name);
    else if (error && error != platform::error::alreadyExists)
      prepared.failures.emplace_back(name, error);
  }
  return prepared;
}

std::string skinsFolderOf(const platform::Shell& shell) {
  return platform::executableFolder(shell.programPath()) + "skins\\";
}

std::string listed(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " and " : ", ";
    text += names[i];
  }
  return text;
}

}  // namespace veltrana::options
