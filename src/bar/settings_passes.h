#pragma once

#include <cstdint>
#include <string>

#include "platform/ports.h"

namespace veltrana {

class LineReader;
class TVTR;

// The bar's creation and reload handlers for the settings file: the start-up
// pass inside the bar's creation handler, and the reload pass every second.
// A failure ends a pass at the step where it occurs; the steps before it stay
// applied, and the failure is reported in a box kept in bounds.
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

 private:
  enum class Pass { startup, reload };

  // Runs a pass's steps and reports how it ended. The steps answer false
  // when the pass is put off to the next second, which is neither a success
  // nor a failure.
  template <typename Steps>
  void run(Steps steps);
  bool startupSteps();
  bool reloadSteps();
  std::string personalFolder() const;
  std::int32_t integerLine(LineReader& lines) const;
  void applyIntervals(LineReader& lines);
  void applyBackground(LineReader& lines, Pass pass);
  void applyColours(LineReader& lines);
  void applyAutostartAndMoveMode(LineReader& lines);
  void fitHotZones();
  void showSkin(const std::string& scheme, const std::string& fileName);
  void showFileErrorNotice(const std::string& personalFolder);

  TVTR& bar_;
  const platform::Ports& ports_;
  // The name of the skin last loaded; never set by a plain colour.
  std::string colourScheme_;
  bool moveMode_ = false;
  // The settings folder of the pass under way, looked up once per pass.
  std::string folder_;
  // Reload passes in a row that found the settings file there but refused.
  int refusals_ = 0;
};

}  // namespace veltrana
