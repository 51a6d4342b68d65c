#pragma once

#include <array>
#include <optional>

#include "bar/fitted_layout.h"
#include "bar/place_among_windows.h"
#include "bar/screen_layout.h"
#include "bar/screen_mode.h"
#include "bar/settings_passes.h"
#include "bar/settings_target.h"
#include "platform/ports.h"
#include "readouts/processor_frequency.h"
#include "readouts/processor_load.h"
#include "readouts/task_manager_readouts.h"
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

class TForm2;
class TForm3;
class TForm4;

// The program's other windows, as the bar reaches them: all of them are
// made before the bar's creation handler runs.
class BarCompanions {
 public:
  virtual ~BarCompanions() = default;
  virtual TForm2& unsupportedScreenNotice() = 0;
  virtual TForm3& fileErrorNotice() = 0;
  virtual TForm4& menuPanel() = 0;
};

// The bar: a borderless, top-most strip along the top of the screen that
// sizes itself to its components, and the timers that drive the program.
// Its settings passes change it through the operations of SettingsTarget;
// its components are its own.
class TVTR : public toolkit::Form, private SettingsTarget {
 public:
  TVTR(toolkit::Application& application, const platform::Ports& ports, BarCompanions& companions);
  ~TVTR() override;

  // The creation handler: lays the bar out, places it and runs the start-up
  // settings pass. The program calls it once every window the bar may show
  // has been made.
  void FormCreate();

  const SettingsPasses& settings() const { return settings_; }
  // Move mode: moving the pointer over the hot zones hides the bar.
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
  void fitHotZones() override;
  void showFileErrorNotice(const std::string& drive) override;

  void connectHandlers();
  void FormDestroy();

  // The notification-area icon with the application title as its tip.
  void CreateTrayIcon() override;
  void DeleteTrayIcon();
  // Total memory and the free-memory gauge.
  void UpdateMemoryReadout();
  // Samples the processor load into Gauge1.
  void GetCPUUsage();
  // Measures the processor clock in GHz (blocks for about half a second).
  double GetCPUSpeed();
  void showFrequency(double ghz);
  // Asks the system to end the session with the exit mode (log off, restart,
  // power off); true when it accepted.
  bool MyExitWindows(unsigned mode);

  void Image1Click();
  // The click handler of the texts that hide the bar: every label but the day of the month.
  void LabelClick();
  // The mouse-move handler of the four hot zones, Image2 to Image5 (the
  // work clock's zone had a handler of its own that did the same).
  void Image3MouseMove();
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
  void Timer12Timer();

  // Stops the timers of the schedule: all but Timer12.
  void StopScheduleTimers();
  // How the bar is to be laid out on the monitor that holds it, looked up afresh.
  ScreenPlan currentPlan() const;
  void applyPlan(const ScreenPlan& plan);
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
  ScreenLayout layout_;
  FittedLayout fitted_;
  ProcessorLoadSampler loadSampler_;
  ProcessorSpeedProbe speedProbe_;
  // With line 11: the readouts measured off this thread; none without it.
  std::optional<TaskManagerReadouts> taskManager_;
  PlaceAmongWindows place_;
  // Off until the first settings pass sets them from the file.
  bool moveMode_ = false;
  bool fit_ = false;
  // The screen had no layout when the bar was made: the timers wait for the
  // notice, unless the start-up pass turns fitting on.
  bool unsupportedAtStart_ = false;
  SettingsPasses settings_;
};

}  // namespace veltrana
