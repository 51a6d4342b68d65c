#pragma once

#include <array>

#include "bar/bar_companions.h"
#include "bar/bar_layouts.h"
#include "bar/bar_monitor.h"
#include "bar/place_among_windows.h"
#include "bar/schedule.h"
#include "bar/settings_passes.h"
#include "bar/settings_target.h"
#include "bar/unsupported_screen.h"
#include "platform/ports.h"
#include "readouts/system_readouts.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/joint_repaint.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"
#include "toolkit/speed_button.h"
#include "toolkit/timer.h"
#include "widgets/gauge.h"

namespace toolkit {
class Application;
}

namespace veltrana {

// The bar: a borderless, top-most strip along the top of the screen that
// sizes itself to its components, and the timers that drive the program.
// This class is the bar's window and its wiring: its components, which
// handler each event runs, and what the settings passes change (the
// operations of SettingsTarget). What those handlers do lives in the parts
// they call: the readouts, the layouts, the bar's place among other windows,
// the unsupported-screen rules.
class TVTR : public toolkit::Form, private SettingsTarget {
 public:
  TVTR(toolkit::Application& application, const platform::Ports& ports, BarCompanions& companions);
  ~TVTR() override;

  // The program calls this once every window the bar may show has been made.
  void FormCreate();

  // The rest is public for the host tests and the benchmark, which drive the
  // bar as the window system would, without waiting for a timer or a click.
  const SettingsPasses& settings() const { return settings_; }
  bool moveMode() const { return moveMode_; }
  // Pushes the bar above the screen's top edge until the return timer brings
  // it back; the window stays shown (unlike Form::hide(), which hides it).
  void HideAboveScreen();
  // The magic button: shows the menu panel with the focus on "Options".
  void SpeedButton6Click();
  // The reload pass of every second, and the bar's place among other windows.
  void Timer8Timer();

 private:
  // What the settings passes change.
  void layOut() override;
  void setUpdateInterval(std::uint32_t ms) override;
  void setHideTime(std::uint32_t ms) override;
  void showSkin(std::shared_ptr<const toolkit::Pixmap> picture) override;
  void showPlainColour(toolkit::Color colour) override;
  void setCaptionColour(toolkit::Color colour) override;
  void setValueColour(toolkit::Color colour) override;
  void setMoveMode(bool on) override;
  void setFit(bool on) override;
  void setYield(bool on) override;
  void setReserve(bool on) override;
  void setTaskManagerFigures(bool on) override;
  void setMonitor(const std::string& name) override;
  void fitHotZones() override;
  void showFileErrorNotice(const std::string& drive) override;

  void connectHandlers();
  void FormDestroy();

  // The notification-area icon with the application title as its tip.
  void CreateTrayIcon() override;
  void DeleteTrayIcon();
  // Asks the system to end the session with the exit mode (log off, restart,
  // power off); true when it accepted.
  bool MyExitWindows(unsigned mode);

  void Image1Click();
  // The click handler of the texts that hide the bar: every label but the day of the month.
  void LabelClick();
  // Moving the pointer over a hot zone (Image2 to Image5) in move mode: the
  // design's Image2MouseMove and Image3MouseMove, which did the same.
  void HotZoneMouseMove();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton11Click();
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Timer4Timer();
  void Timer5Timer();
  void Timer6Timer();

  // The labels that take the caption colour and the value colour, and the hot zones.
  std::array<toolkit::Label*, 17> captionLabels();
  std::array<toolkit::Label*, 4> valueLabels();
  std::array<toolkit::Image*, 4> hotZones();

  // Components, in creation order: each later one lies above the earlier ones.
  // Their left edges and widths per screen size are in screen_layout.cpp.
  toolkit::Shape Shape1;               // plain-colour background, shown when line 3 is a colour
  toolkit::Image Image1;               // background picture (skin); a click hides the bar
  toolkit::SpeedButton SpeedButton1;   // "CD Out": opens the CD tray
  toolkit::SpeedButton SpeedButton2;   // "CD In": closes the CD tray
  toolkit::Label Label1;               // date: day of the month
  toolkit::Label Label2;               // date: "." after the day
  toolkit::Label Label3;               // date: month
  toolkit::Label Label4;               // date: year
  toolkit::Label Label5;               // date: "." after the month
  toolkit::Label Label6;               // work clock: ":" before the seconds
  toolkit::Label Label7;               // work clock: seconds
  toolkit::Label Label8;               // work clock: minutes
  toolkit::Label Label9;               // work clock: ":" before the minutes
  toolkit::Label Label10;              // work clock: hours
  toolkit::SpeedButton SpeedButton11;  // "Lg": next keyboard layout
  toolkit::Label Label11;              // processor frequency, the value
  toolkit::Label Label12;              // caption "RAM:"
  toolkit::Label Label13;              // caption "Free", before the free-memory gauge
  toolkit::Label Label14;              // caption "Total"
  toolkit::Label TotalPhys;            // total physical memory, "24576 MB"
  toolkit::Label Label15;              // caption "Monitor:"
  toolkit::Label Hz;                   // display refresh rate, "60Hz"
  toolkit::Label Label16;              // caption "CPU:"
  toolkit::SpeedButton SpeedButton3;   // "Re": restart the computer
  toolkit::SpeedButton SpeedButton4;   // "Sh": shut the computer down
  toolkit::SpeedButton SpeedButton5;   // "N": log the user off
  TGauge Gauge1;                       // processor load gauge
  toolkit::Label Label17;              // caption "Use", before the processor gauge
  toolkit::Label Label18;              // caption "Frequency"
  TGauge RamGauge;                     // free-memory gauge
  toolkit::Label Label19;              // unit "GHz" after the frequency
  // Move-mode hot zones: empty pictures over the texts; moving the pointer
  // over one hides the bar in move mode. Width 0 when move mode is off.
  toolkit::Image Image2;               // hot zone over the work clock
  toolkit::Image Image3;               // hot zone over the date
  toolkit::Image Image4;               // hot zone over the memory and monitor readouts
  toolkit::Image Image5;               // hot zone over the processor readouts
  toolkit::SpeedButton SpeedButton6;   // magic button (the star): opens the menu panel

  // The schedule that drives the program; each tick handler is TimerNTimer.
  toolkit::Timer Timer1;   // every second: the work clock
  toolkit::Timer Timer2;   // update interval: the date and the refresh rate
  toolkit::Timer Timer3;   // hide time: brings the hidden bar back, once
  toolkit::Timer Timer4;   // update interval: memory, then the processor frequency
  toolkit::Timer Timer5;   // update interval: processor load
  toolkit::Timer Timer6;   // every second: hides the taskbar button
  toolkit::Timer Timer8;   // every second: the settings reload pass
  toolkit::Timer Timer12;  // once, on an unsupported screen: the notice
  // The work clock and the readouts of one second reach the screen in one paint.
  toolkit::JointRepaint secondsRepaint_;

  const platform::Ports& ports_;
  BarCompanions& companions_;
  Schedule schedule_;
  SystemReadouts readouts_;
  PlaceAmongWindows place_;
  BarMonitor monitor_;
  UnsupportedScreen unsupported_;
  BarLayouts layouts_;
  // Off until the first settings pass sets it from the file.
  bool moveMode_ = false;
  SettingsPasses settings_;
};

}  // namespace veltrana
