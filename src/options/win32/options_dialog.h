#pragma once

#include "dialogs/win32/modal_dialog.h"
#include "options/counters_check.h"
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
  // The note under line 11's box, shown while it is ticked; Windows'
  // counters are looked at the first time it is.
  void showCountersNote();
  void finishCountersCheck();

  veltrana::options::SettingsDocument& document_;
  // The colours as last chosen; the edit boxes, check boxes and list keep the rest.
  veltrana::options::OptionFields colours_;
  ColourPicker picker_;
  veltrana::options::CountersCheck countersCheck_;
  bool countersChecked_ = false;
  // Set while the dialog fills its own controls, whose notifications are then no edits.
  bool filling_ = false;
};

}  // namespace veltrana::options::win32
