#pragma once

#include <string>
#include <vector>

#include "dialogs/win32/modal_dialog.h"
#include "options/counters_check.h"
#include "options/monitor_choice.h"
#include "options/option_fields.h"
#include "options/win32/colour_picker.h"

namespace platform {
class ProcessorCounters;
}

namespace veltrana::options {
class SettingsDocument;
}

namespace veltrana::options::win32 {

// The Options dialog: the settings file's lines as standard controls.
// OK writes and closes, Apply writes and stays, Cancel and Esc close
// without writing.
class OptionsDialog : public dialogs::win32::ModalDialog {
 public:
  OptionsDialog(veltrana::options::SettingsDocument& document, platform::ProcessorCounters& counters)
      : document_(document), countersCheck_(counters) {}

 private:
  INT_PTR onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void initialise();
  void offerToCreateFolder();
  void onCommand(int id, int code);
  bool save();
  void show(const veltrana::options::OptionFields& fields);
  veltrana::options::OptionFields shownFields() const;
  // Whether a colour was chosen.
  bool pickColour(std::int32_t& colour, int swatch);
  void showBackgroundSwatch();
  void drawSwatch(const DRAWITEMSTRUCT& item) const;
  void describeSwatch(int swatch, std::int32_t colour) const;
  void changed(bool pending);
  // The drop-down of line 12, its entry for `line` chosen.
  void showMonitors(const std::string& line);
  const veltrana::options::MonitorEntry& chosenMonitor() const;
  // The chosen monitor's screen beside line 8's box, and the note under the
  // drop-down while that monitor is not connected.
  void showChosenMonitor();
  // The note under line 11's box, shown while it is ticked; Windows'
  // counters are looked at the first time it is.
  void showCountersNote();
  void finishCountersCheck();

  veltrana::options::SettingsDocument& document_;
  // The colours as last chosen; the edit boxes, check boxes and list keep the rest.
  veltrana::options::OptionFields colours_;
  ColourPicker picker_;
  // The desk's monitors as the dialog opened, and the drop-down's entries.
  std::vector<veltrana::options::MonitorOnDesk> desk_;
  veltrana::options::MonitorChoice monitors_;
  veltrana::options::CountersCheck countersCheck_;
  bool countersChecked_ = false;
  // Set while the dialog fills its own controls, whose notifications are then no edits.
  bool filling_ = false;
};

}  // namespace veltrana::options::win32
