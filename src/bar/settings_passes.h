#pragma once

#include <optional>
#include <string>

#include "platform/files.h"
#include "platform/ports.h"
#include "platform/shell.h"
#include "settings/settings_reading.h"

namespace toolkit {
class ErrorReports;
}

namespace veltrana {

class SettingsTarget;

// The bar's settings passes: the start-up pass inside the bar's creation
// handler, and the reload pass every second. A pass reads the settings file
// with the settings library's one reader and applies the lines in order; a
// failure ends it at the line where it occurs, the lines before it stay
// applied, and the failure is reported in a box kept in bounds.
class SettingsPasses {
 public:
  // `owner` is the bar's window, which the shell's folder lookup is made for.
  SettingsPasses(SettingsTarget& bar, const platform::Ports& ports, toolkit::ErrorReports& reports,
                 platform::WindowHandle owner);

  // Opens the settings file and applies it, or creates it with the start-up
  // defaults; when even that fails, shows the file-error notice.
  void startup();
  // Re-applies the layout and the settings file; recreates a missing file with
  // the reload defaults.
  void reload();

  // The name of the skin last loaded; never set by a plain colour.
  const std::string& colourScheme() const { return colourScheme_; }

 private:
  enum class Pass { startup, reload };

  // Runs a pass's steps and reports how it ended. The steps answer false
  // when the pass is put off to the next second, which is neither a success
  // nor a failure.
  template <typename Steps>
  void run(Steps steps);
  bool startupSteps();
  bool reloadSteps();
  // Applies the lines read before the first fault, in order, and the
  // optional switches after them, then throws the fault, if any.
  void apply(const SettingsReading& reading, Pass pass);
  void applyBesideTheFile();
  void applyBackground(const Background& background, Pass pass);
  void showSkin(const std::string& scheme, const std::string& fileName);
  std::string personalFolder() const;

  SettingsTarget& bar_;
  const platform::Ports& ports_;
  toolkit::ErrorReports& reports_;
  platform::WindowHandle owner_;
  std::string colourScheme_;
  // The settings folder, where the skins are read too: looked up by the
  // start-up pass and kept; a reload pass asks the shell again only when it
  // has none yet, or when the settings file cannot be opened there (missing,
  // or held by another program).
  std::string folder_;
  // Reload passes in a row that found the settings file there but refused.
  int refusals_ = 0;
  // The file as the last reload pass read it: its stamp and what it held.
  // While the stamp stays, the file holds nothing new: a pass that went
  // through is not repeated, and one that failed applies the same reading
  // again, without reading the file.
  std::optional<platform::FileStamp> readStamp_;
  SettingsReading reading_;
  bool readingApplied_ = false;
};

}  // namespace veltrana
