#include "bar/bar_window.h"

#include <memory>

#include "bar/bar_buttons.h"
#include "bar/bar_design.h"
#include "platform/multimedia.h"
#include "platform/resources.h"
#include "platform/session.h"
#include "popups/centred.h"
#include "popups/file_error_notice.h"
#include "popups/menu_panel.h"
#include "popups/unsupported_screen_notice.h"
#include "readouts/captions.h"
#include "readouts/date_readout.h"
#include "readouts/work_clock.h"
#include "toolkit/application.h"
#include "toolkit/bitmap_file.h"
#include "toolkit/scaling.h"

namespace veltrana {

namespace {

using toolkit::Rect;

constexpr std::uint32_t second = 1000;

}  // namespace

TVTR::TVTR(toolkit::Application& application, const platform::Ports& ports, BarCompanions& companions)
    : Form(application, barOptions()),
      // As high as the bar: a plain colour one row taller would make the whole
      // bar taller, its strip too, and leave that row showing when it hides.
      Shape1(*this, "Shape1", Rect::fromBounds(0, 0, 1280, 25), toolkit::colors::white, false),
      Image1(*this, "Image1", Rect::fromBounds(0, 0, 1280, 25)),
      SpeedButton1(*this, "SpeedButton1", Rect::fromBounds(112, 0, 25, 25), "", captionFont, "CD Out"),
      SpeedButton2(*this, "SpeedButton2", Rect::fromBounds(136, 0, 25, 25), "", captionFont, "CD In"),
      Label1(*this, "Label1", {43, 5}, "00", captionFont, "Date"),
      Label2(*this, "Label2", {58, 4}, ".", captionFont, "Date"),
      Label3(*this, "Label3", {63, 5}, "00", captionFont, "Date"),
      Label4(*this, "Label4", {84, 5}, "0000", captionFont, "Date"),
      Label5(*this, "Label5", {78, 4}, ".", captionFont, "Date"),
      Label6(*this, "Label6", {972, 4}, ":", captionFont, "Work Time"),
      Label7(*this, "Label7", {977, 5}, "00", captionFont, "Work Time"),
      Label8(*this, "Label8", {956, 5}, "00", captionFont, "Work Time"),
      Label9(*this, "Label9", {950, 4}, ":", captionFont, "Work Time"),
      Label10(*this, "Label10", {934, 5}, "00", captionFont, "Work Time"),
      SpeedButton11(*this, "SpeedButton11", Rect::fromBounds(896, 0, 25, 25), "Lg", captionFont, "Next Language"),
      Label11(*this, "Label11", {776, 6}, "----", valueFont),
      Label12(*this, "Label12", {163, 5}, "RAM:", captionFont),
      Label13(*this, "Label13", {198, 5}, "Free", captionFont, "Free RAM"),
      Label14(*this, "Label14", {310, 5}, "Total", captionFont, "Total RAM"),
      TotalPhys(*this, "TotalPhys", {348, 5}, "----MB", valueFont, "Total RAM"),
      Label15(*this, "Label15", {397, 5}, "Monitor:", captionFont, "Vertical Frequency Hz"),
      Hz(*this, "Hz", {452, 5}, "----Hz", valueFont, "Vertical Frequency Hz"),
      Label16(*this, "Label16", {571, 6}, "CPU:", captionFont),
      SpeedButton3(*this, "SpeedButton3", Rect::fromBounds(488, 0, 25, 25), "Re", captionFont, "Reboot"),
      SpeedButton4(*this, "SpeedButton4", Rect::fromBounds(512, 0, 25, 25), "Sh", captionFont, "Shut Down"),
      SpeedButton5(*this, "SpeedButton5", Rect::fromBounds(536, 0, 25, 25), "N", captionFont, "Change user"),
      Gauge1(*this, "Gauge1", Rect::fromBounds(632, 4, 73, 17), "CPU Use"),
      Label17(*this, "Label17", {604, 6}, "Use", captionFont, "CPU Use"),
      Label18(*this, "Label18", {715, 6}, "Frequency", captionFont, "CPU Frequency GHz"),
      RamGauge(*this, "RamGauge", Rect::fromBounds(232, 4, 73, 17), "Free RAM"),
      Label19(*this, "Label19", {854, 7}, "GHz", valueFont),
      Image2(*this, "Image2", Rect::fromBounds(936, 0, 97, 25)),
      Image3(*this, "Image3", Rect::fromBounds(48, 0, 49, 25)),
      Image4(*this, "Image4", Rect::fromBounds(192, 0, 281, 25)),
      Image5(*this, "Image5", Rect::fromBounds(600, 0, 265, 25)),
      SpeedButton6(*this, "SpeedButton6", Rect::fromBounds(8, 0, 25, 25), "", captionFont, "Magic button"),
      Timer1(application.backend(), second),
      Timer2(application.backend(), second),
      Timer3(application.backend(), 5 * second),
      Timer4(application.backend(), second),
      Timer5(application.backend(), second),
      Timer6(application.backend(), second),
      Timer8(application.backend(), second),
      Timer12(application.backend(), second),
      secondsRepaint_(*this, Timer5, {&Timer1, &Timer2, &Timer4}),
      ports_(ports),
      companions_(companions),
      schedule_{Timer1, Timer2, Timer3, Timer4, Timer5, Timer6, Timer8},
      readouts_(ports, {TotalPhys, RamGauge, Gauge1, Label11}),
      place_(*this, application.backend(), ports.shell),
      monitor_(*this),
      unsupported_(schedule_, Timer12, application.errorReports(), place_, monitor_, companions),
      layouts_(*this, monitor_, unsupported_, companions),
      settings_(*this, ports, application.errorReports(), nativeHandle()) {
  Image1.setPicture(defaultBackground(ports_.resources));
  SpeedButton1.setGlyph(toolkit::pictureFromBitmapFile(ports_.resources.bytes(platform::Resource::glyphCdOut)));
  SpeedButton2.setGlyph(toolkit::pictureFromBitmapFile(ports_.resources.bytes(platform::Resource::glyphCdIn)));
  SpeedButton6.setGlyph(toolkit::pictureFromBitmapFile(ports_.resources.bytes(platform::Resource::glyphMagic)),
                        toolkit::SpeedButton::GlyphPlacement::right);
  for (TGauge* gauge : {&RamGauge, &Gauge1}) gauge->setForeColor(toolkit::colors::silver);
  RamGauge.setFont(captionFont);
  Gauge1.setFont(valueFont);
  connectHandlers();
  finishLoading();
}

TVTR::~TVTR() { destroyWindow(); }

void TVTR::connectHandlers() {
  onDestroy = [this] { FormDestroy(); };
  Image1.onClick = [this] { Image1Click(); };
  for (toolkit::Label* label : captionLabels())
    if (label != &Label1) label->onClick = [this] { LabelClick(); };
  for (toolkit::Label* label : valueLabels()) label->onClick = [this] { LabelClick(); };
  for (toolkit::Image* zone : hotZones()) zone->onMouseMove = [this](toolkit::Point) { HotZoneMouseMove(); };
  SpeedButton1.onClick = [this] { SpeedButton1Click(); };
  SpeedButton2.onClick = [this] { SpeedButton2Click(); };
  SpeedButton3.onClick = [this] { SpeedButton3Click(); };
  SpeedButton4.onClick = [this] { SpeedButton4Click(); };
  SpeedButton5.onClick = [this] { SpeedButton5Click(); };
  SpeedButton6.onClick = [this] { SpeedButton6Click(); };
  SpeedButton11.onClick = [this] { SpeedButton11Click(); };
  Timer3.onTimer = [this] { Timer3Timer(); };
  Timer6.onTimer = [this] { Timer6Timer(); };
  Timer1.onTimer = [this] { Timer1Timer(); };
  Timer2.onTimer = [this] { Timer2Timer(); };
  Timer4.onTimer = [this] { Timer4Timer(); };
  Timer5.onTimer = [this] { Timer5Timer(); };
  Timer8.onTimer = [this] { Timer8Timer(); };
  Timer12.onTimer = [this] { unsupported_.Timer12Timer(); };
}

void TVTR::layOut() { layouts_.layOut(); }

void TVTR::setFit(bool on) { layouts_.setFit(on); }

void TVTR::setUpdateInterval(std::uint32_t ms) {
  for (toolkit::Timer* t : {&Timer2, &Timer4, &Timer5}) t->setInterval(ms);
}

void TVTR::setHideTime(std::uint32_t ms) { Timer3.setInterval(ms); }

void TVTR::showSkin(std::shared_ptr<const toolkit::Pixmap> picture) {
  Image1.setPicture(std::move(picture));
  Shape1.setVisible(false);
  Image1.setVisible(true);
}

void TVTR::showPlainColour(toolkit::Color colour) {
  Image1.setVisible(false);
  Shape1.setVisible(true);
  Shape1.setFillColor(colour);
}

void TVTR::setCaptionColour(toolkit::Color colour) {
  for (toolkit::Label* l : captionLabels()) l->setFontColor(colour);
}

void TVTR::setValueColour(toolkit::Color colour) {
  for (toolkit::Label* l : valueLabels()) l->setFontColor(colour);
}

void TVTR::setMoveMode(bool on) { moveMode_ = on; }

void TVTR::fitHotZones() {
  if (moveMode_) {
    layouts_.layOut();
    return;
  }
  for (toolkit::Image* zone : hotZones()) zone->setWidth(0);
}

void TVTR::showFileErrorNotice(const std::string& drive) {
  schedule_.stop();
  Timer12.setEnabled(false);
  TForm3& notice = companions_.fileErrorNotice();
  notice.appendToMessage(drive);
  if (const auto monitor = monitor_.current()) centreOn(notice, *monitor);
  notice.showModal();
}

// Lays the bar out, places it and runs the start-up settings pass.
void TVTR::FormCreate() {
  layouts_.layOutAtStart();
  Timer3.setEnabled(false);
  monitor_.placeShown();
  settings_.startup();
  unsupported_.startupPassOver();
}

void TVTR::FormDestroy() {
  DeleteTrayIcon();
  place_.releaseStrip();
}

std::array<toolkit::Label*, 17> TVTR::captionLabels() {
  return {&Label1,  &Label2,  &Label3,  &Label4,  &Label5,  &Label6,  &Label7,  &Label8, &Label9,
          &Label10, &Label12, &Label13, &Label14, &Label15, &Label16, &Label17, &Label18};
}

std::array<toolkit::Label*, 4> TVTR::valueLabels() { return {&Label19, &Label11, &Hz, &TotalPhys}; }

std::array<toolkit::Image*, 4> TVTR::hotZones() { return {&Image2, &Image3, &Image4, &Image5}; }

namespace {
constexpr unsigned trayIconId = 1;
}

void TVTR::CreateTrayIcon() { ports_.shell.addTrayIcon(nativeHandle(), trayIconId, application().title()); }

void TVTR::DeleteTrayIcon() { ports_.shell.deleteTrayIcon(nativeHandle(), trayIconId); }

void TVTR::Timer8Timer() {
  {
    // The hot zones come and go within a pass: the bar is resized for the net result only.
    toolkit::GeometryBatch batch(*this);
    settings_.reload();
  }
  // The screen's plan is looked up only when a strip is to be reserved.
  if (const auto monitor = monitor_.current())
    place_.keep(*monitor, place_.reserving() && layouts_.plan().mode != ScreenMode::unsupported);
}

void TVTR::setYield(bool on) { place_.setYield(on); }

void TVTR::setReserve(bool on) { place_.setReserve(on); }

void TVTR::setTaskManagerFigures(bool on) { readouts_.setTaskManagerFigures(on); }

void TVTR::setMonitor(const std::string& name) {
  monitor_.setName(name);
  layouts_.layOut();
}

void TVTR::HideAboveScreen() {
  // 25 pixels as designed, at the bar's scale.
  monitor_.placeHidden(toolkit::scaled(25, scale()));
  Timer3.setEnabled(true);
}

void TVTR::Timer3Timer() {
  monitor_.placeShown();
  Timer3.setEnabled(false);
}

void TVTR::Image1Click() { HideAboveScreen(); }

void TVTR::LabelClick() { HideAboveScreen(); }

void TVTR::HotZoneMouseMove() {
  if (moveMode_) HideAboveScreen();
}

bool TVTR::MyExitWindows(unsigned mode) { return requestSessionEnd(ports_.session, mode); }

void TVTR::SpeedButton1Click() { ports_.multimedia.sendCommand(cdDoorOpenCommand, nativeHandle()); }

void TVTR::SpeedButton2Click() { ports_.multimedia.sendCommand(cdDoorClosedCommand, nativeHandle()); }

void TVTR::SpeedButton3Click() { MyExitWindows(exitReboot); }

void TVTR::SpeedButton4Click() { MyExitWindows(exitPowerOff); }

void TVTR::SpeedButton5Click() { MyExitWindows(exitLogOff); }

void TVTR::SpeedButton11Click() { ports_.session.activateNextKeyboardLayout(); }

void TVTR::SpeedButton6Click() {
  TForm4& panel = companions_.menuPanel();
  panel.placeUnder({bounds().left, bounds().top});
  panel.show();
  panel.setFocus(panel.BitBtn1);
}

// Only this program's own application window: another program's window with
// the same title is left alone.
void TVTR::Timer6Timer() { application().backend().hideApplicationWindow(); }

void TVTR::Timer1Timer() { advanceWorkClock({Label10, Label8, Label7}); }

void TVTR::Timer2Timer() {
  showDate(ports_.systemInfo.today(), {Label1, Label3, Label4});
  Hz.setCaption(refreshRateCaption(displayRefreshRate()));
}

void TVTR::Timer4Timer() { readouts_.showMemoryThenFrequency(); }

void TVTR::Timer5Timer() { readouts_.showLoad(); }

}  // namespace veltrana
