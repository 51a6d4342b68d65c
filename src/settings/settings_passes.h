#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/ports.h"
#include "settings/error_reports.h"

namespace toolkit {
class Pixmap;
}

namespace veltrana {

class LineReader;
class TVTR;

// Applies the settings file to the bar: the start-up pass inside the bar's
// creation handler, and the reload pass every second.
class SettingsPasses {
 public:
  SettingsPasses(TVTR& bar, const platform::Ports& ports);

  // Opens the settings file and applies it, or creates it with the start-up
  // defaults; when even that fails, stops the timers and shows the file-error notice.
  void startup();
  // Re-applies the layout and the settings file; recreates a missing file with
  // the reload defaults.
  void reload();

  bool moveMode() const { return moveMode_; }
  const std::string& colourScheme() const { return colourScheme_; }
  const ErrorReports& errorReports() const { return reports_; }

 private:
  enum class Pass { startup, reload };

  // The reload pass's steps; the error that ended it, or nothing.
  std::string reloadSteps();
  std::string personalFolder() const;
  void applyIntervals(LineReader& lines);
  void applyBackground(const std::string& line, Pass pass);
  void applyColours(LineReader& lines);
  void applyAutostartAndMoveMode(LineReader& lines);
  void fitHotZones();
  void showSkin(const std::string& scheme, const std::string& fileName);
  void showFileErrorNotice(const std::string& personalFolder);

  TVTR& bar_;
  const platform::Ports& ports_;
  ErrorReports reports_;
  // The name of the skin last loaded; never set by a plain colour.
  std::string colourScheme_;
  bool moveMode_ = false;
  // The settings folder of the pass under way, looked up once per pass.
  std::string folder_;
};

}  // namespace veltrana
