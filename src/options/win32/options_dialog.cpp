#include "options/win32/options_dialog.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "options/options_ids.h"
#include "options/settings_document.h"
#include "options/win32/desk.h"
#include "platform/win32/colour.h"
#include "platform/win32/display.h"
#include "platform/win32/text.h"

namespace veltrana::options::win32 {

namespace {

using veltrana::options::Field;
using veltrana::options::MonitorEntry;
using veltrana::options::OptionFields;
using veltrana::options::SettingsDocument;
using veltrana::options::SwitchBox;
using veltrana::options::switchBoxes;

// Posted from WM_INITDIALOG, so that the question comes once the dialog is made.
constexpr UINT offerFolderMessage = WM_APP + 1;
// The second look at Windows' counters.
constexpr UINT_PTR countersTimer = 1;

// The list's entries: the skins in their order, then the plain colour.
constexpr int plainColourEntry = static_cast<int>(veltrana::skinNames.size());

int editOf(Field field) { return field == Field::hideTime ? OPTIONS_HIDE_TIME : OPTIONS_INTERVAL; }

// A colour number of the settings file as the bar paints it.
COLORREF shownColour(std::int32_t value) { return platform::win32::toCOLORREF(static_cast<platform::Colour>(value)); }

bool isSwitchBox(int id) {
  return std::any_of(switchBoxes.begin(), switchBoxes.end(), [id](const SwitchBox& box) { return box.control == id; });
}

// Read per-monitor aware, the monitors' real pixels and scaling: the dialog
// itself is only system aware, and would see others scaled to the system's.
std::vector<veltrana::options::MonitorOnDesk> deskAsItIs() {
  const platform::win32::PerMonitorDpiAwareness perMonitor;
  return monitorsOnDesk();
}

bool isSwatch(UINT id) {
  return id == OPTIONS_BACKGROUND_SWATCH || id == OPTIONS_CAPTION_SWATCH || id == OPTIONS_VALUE_SWATCH;
}

}  // namespace

INT_PTR OptionsDialog::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      initialise();
      return TRUE;  // the system gives the first field the focus
    case offerFolderMessage:
      offerToCreateFolder();
      return TRUE;
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    case WM_TIMER:
      if (wParam != countersTimer) return FALSE;
      finishCountersCheck();
      return TRUE;
    case WM_DRAWITEM:
      if (!isSwatch(static_cast<UINT>(wParam))) return FALSE;
      drawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    default:
      return FALSE;
  }
}

void OptionsDialog::initialise() {
  for (const int spin : {OPTIONS_INTERVAL_SPIN, OPTIONS_HIDE_TIME_SPIN})
    ::SendMessageW(control(spin), UDM_SETRANGE32, 0, veltrana::options::longestSeconds);
  const HWND list = control(OPTIONS_BACKGROUND);
  for (std::string_view skin : veltrana::skinNames)
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::win32::widen(skin).c_str()));
  ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Plain colour"));
  desk_ = deskAsItIs();
  setText(OPTIONS_MONITOR_NOTE, veltrana::options::notConnectedNote);

  const SettingsDocument::Opened opened = document_.open();
  if (opened.found == SettingsDocument::Found::noDocuments) {
    ask(opened.status, MB_OK | MB_ICONERROR);
    ::EndDialog(window(), IDCANCEL);
    return;
  }
  show(veltrana::options::fieldsFor(opened.values));
  showCountersNote();
  setText(OPTIONS_STATUS, opened.status);
  if (opened.autostartTurnedOff) {
    setText(OPTIONS_AUTOSTART_NOTE, std::string("(") + SettingsDocument::autostartTurnedOffNote + ")");
    ::ShowWindow(control(OPTIONS_AUTOSTART_NOTE), SW_SHOW);
  }
  // Apply is offered at once when the dialog shows other values than the file.
  changed(opened.found != SettingsDocument::Found::file || !opened.faults.empty());
  if (opened.found == SettingsDocument::Found::noFolder) ::PostMessageW(window(), offerFolderMessage, 0, 0);
}

void OptionsDialog::offerToCreateFolder() {
  // The dialog manager shows the dialog only when its queue first runs empty,
  // after this message: shown now, the dialog stands behind the question.
  ::ShowWindow(window(), SW_SHOW);
  if (ask(document_.createFolderQuestion(), MB_YESNO | MB_ICONQUESTION) != IDYES) {
    ::EndDialog(window(), IDCANCEL);
    return;
  }
  const SettingsDocument::Created created = document_.createFolder();
  if (!created.done) {
    ask(created.message, MB_OK | MB_ICONERROR);
    ::EndDialog(window(), IDCANCEL);
    return;
  }
  if (!created.message.empty()) ask(created.message, MB_OK | MB_ICONWARNING);
  setText(OPTIONS_STATUS, created.status);
}

void OptionsDialog::show(const OptionFields& fields) {
  filling_ = true;
  colours_ = fields;
  setText(OPTIONS_INTERVAL, fields.updateInterval);
  setText(OPTIONS_HIDE_TIME, fields.hideTime);
  ::SendMessageW(control(OPTIONS_INTERVAL), EM_SETSEL, 0, -1);
  ::SendMessageW(control(OPTIONS_BACKGROUND), CB_SETCURSEL,
                 fields.skin ? static_cast<WPARAM>(*fields.skin) : plainColourEntry, 0);
  for (const SwitchBox& box : switchBoxes)
    ::CheckDlgButton(window(), box.control, fields.values.*box.value ? BST_CHECKED : BST_UNCHECKED);
  describeSwatch(OPTIONS_BACKGROUND_SWATCH, fields.backgroundColour);
  describeSwatch(OPTIONS_CAPTION_SWATCH, fields.values.captionColour);
  describeSwatch(OPTIONS_VALUE_SWATCH, fields.values.valueColour);
  showBackgroundSwatch();
  showMonitors(fields.values.monitor);
  filling_ = false;
}

OptionFields OptionsDialog::shownFields() const {
  OptionFields fields = colours_;
  fields.updateInterval = text(OPTIONS_INTERVAL);
  fields.hideTime = text(OPTIONS_HIDE_TIME);
  const auto entry = ::SendMessageW(control(OPTIONS_BACKGROUND), CB_GETCURSEL, 0, 0);
  if (entry >= 0 && entry < plainColourEntry)
    fields.skin = static_cast<veltrana::Skin>(entry);
  else
    fields.skin.reset();
  for (const SwitchBox& box : switchBoxes)
    fields.values.*box.value = ::IsDlgButtonChecked(window(), box.control) == BST_CHECKED;
  fields.values.monitor = chosenMonitor().line;
  return fields;
}

void OptionsDialog::onCommand(int id, int code) {
  switch (id) {
    case IDOK:
      if (save()) ::EndDialog(window(), IDOK);
      return;
    case IDCANCEL:
      ::EndDialog(window(), IDCANCEL);
      return;
    case OPTIONS_APPLY:
      save();
      return;
    case OPTIONS_BACKGROUND_PICK:
      if (!pickColour(colours_.backgroundColour, OPTIONS_BACKGROUND_SWATCH)) return;
      ::SendMessageW(control(OPTIONS_BACKGROUND), CB_SETCURSEL, plainColourEntry, 0);
      showBackgroundSwatch();
      return;
    case OPTIONS_CAPTION_PICK:
      pickColour(colours_.values.captionColour, OPTIONS_CAPTION_SWATCH);
      return;
    case OPTIONS_VALUE_PICK:
      pickColour(colours_.values.valueColour, OPTIONS_VALUE_SWATCH);
      return;
    case OPTIONS_BACKGROUND:
      if (code != CBN_SELCHANGE) return;
      showBackgroundSwatch();
      changed(true);
      return;
    case OPTIONS_MONITOR:
      if (code != CBN_SELCHANGE) return;
      showChosenMonitor();
      changed(true);
      return;
    case OPTIONS_INTERVAL:
    case OPTIONS_HIDE_TIME:
      if (code == EN_CHANGE) changed(true);
      return;
    default:
      if (code != BN_CLICKED || !isSwitchBox(id)) return;
      if (id == OPTIONS_MATCH) showCountersNote();
      changed(true);
      return;
  }
}

// The fields are checked first: a field out of range writes nothing.
bool OptionsDialog::save() {
  const auto check = veltrana::options::valuesFrom(shownFields());
  if (!check.values) {
    ask(check.message, MB_OK | MB_ICONWARNING);
    const HWND edit = control(editOf(check.field));
    ::SendMessageW(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(edit), TRUE);
    ::SendMessageW(edit, EM_SETSEL, 0, -1);
    return false;
  }
  const SettingsDocument::Saved saved = document_.save(*check.values);
  if (!saved.done) {
    ask(saved.message, MB_OK | MB_ICONERROR);
    return false;
  }
  // Lines another program changed meanwhile were kept: the fields show them.
  if (saved.values != *check.values) show(veltrana::options::fieldsFor(saved.values));
  setText(OPTIONS_STATUS, saved.message);
  changed(false);
  return true;
}

bool OptionsDialog::pickColour(std::int32_t& colour, int swatch) {
  const auto picked = picker_.pick(window(), shownColour(colour));
  if (!picked) return false;
  colour = static_cast<std::int32_t>(*picked);
  describeSwatch(swatch, colour);
  ::InvalidateRect(control(swatch), nullptr, TRUE);
  changed(true);
  return true;
}

// The background's swatch shows only while the plain colour is chosen.
void OptionsDialog::showBackgroundSwatch() {
  const bool plain = ::SendMessageW(control(OPTIONS_BACKGROUND), CB_GETCURSEL, 0, 0) == plainColourEntry;
  ::ShowWindow(control(OPTIONS_BACKGROUND_SWATCH), plain ? SW_SHOW : SW_HIDE);
}

void OptionsDialog::drawSwatch(const DRAWITEMSTRUCT& item) const {
  std::int32_t colour = colours_.values.valueColour;
  if (item.CtlID == OPTIONS_BACKGROUND_SWATCH) colour = colours_.backgroundColour;
  if (item.CtlID == OPTIONS_CAPTION_SWATCH) colour = colours_.values.captionColour;
  RECT area = item.rcItem;
  ::DrawEdge(item.hDC, &area, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
  ::SetDCBrushColor(item.hDC, shownColour(colour));
  ::FillRect(item.hDC, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
}

// Not painted: the swatch's text is what a screen reader says of it.
void OptionsDialog::describeSwatch(int swatch, std::int32_t colour) const {
  const COLORREF shown = shownColour(colour);
  setText(swatch, "Red " + std::to_string(GetRValue(shown)) + ", green " + std::to_string(GetGValue(shown)) +
                      ", blue " + std::to_string(GetBValue(shown)));
}

void OptionsDialog::showMonitors(const std::string& line) {
  monitors_ = veltrana::options::monitorChoice(desk_, line);
  const HWND list = control(OPTIONS_MONITOR);
  ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
  for (const MonitorEntry& entry : monitors_.entries)
    ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::win32::widen(entry.text).c_str()));
  ::SendMessageW(list, CB_SETCURSEL, monitors_.selected, 0);
  showChosenMonitor();
}

const MonitorEntry& OptionsDialog::chosenMonitor() const {
  const auto entry = ::SendMessageW(control(OPTIONS_MONITOR), CB_GETCURSEL, 0, 0);
  if (entry < 0 || static_cast<std::size_t>(entry) >= monitors_.entries.size())
    return monitors_.entries.at(monitors_.selected);
  return monitors_.entries[static_cast<std::size_t>(entry)];
}

void OptionsDialog::showChosenMonitor() {
  const MonitorEntry& chosen = chosenMonitor();
  setText(OPTIONS_SCREEN, veltrana::options::screenText(chosen.screen));
  ::ShowWindow(control(OPTIONS_MONITOR_NOTE), chosen.connected ? SW_HIDE : SW_SHOW);
}

void OptionsDialog::showCountersNote() {
  const bool ticked = ::IsDlgButtonChecked(window(), OPTIONS_MATCH) == BST_CHECKED;
  ::ShowWindow(control(OPTIONS_MATCH_NOTE), ticked ? SW_SHOW : SW_HIDE);
  if (!ticked || countersChecked_) return;
  countersChecked_ = true;
  setText(OPTIONS_MATCH_NOTE, countersCheck_.begin());
  // Without a timer the note comes at once, and then the rate counters have
  // not had their second reading: better a note that errs than none.
  if (!::SetTimer(window(), countersTimer, veltrana::options::CountersCheck::secondReadingMs, nullptr))
    finishCountersCheck();
}

void OptionsDialog::finishCountersCheck() {
  ::KillTimer(window(), countersTimer);
  setText(OPTIONS_MATCH_NOTE, countersCheck_.finish());
}

// Apply is offered while the dialog shows something the file does not hold.
void OptionsDialog::changed(bool pending) {
  if (filling_) return;
  const HWND apply = control(OPTIONS_APPLY);
  // A disabled button cannot keep the focus: the keyboard would lose its place.
  if (!pending && ::GetFocus() == apply) ::SendMessageW(window(), WM_NEXTDLGCTL, 0, FALSE);
  ::EnableWindow(apply, pending);
}

}  // namespace veltrana::options::win32
