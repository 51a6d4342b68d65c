#pragma once

#include "bar/screen_layout.h"
#include "bar/screen_mode.h"
#include "platform/ports.h"
#include "readouts/processor_load.h"
#include "bar/settings_passes.h"
#include "toolkit/form.h"
#include "toolkit/image.h"
#include "toolkit/label.h"
#include "toolkit/shape.h"
#include "toolkit/speed_button.h"
#include "toolkit/timer.h"
#include "widgets/gauge.h"

#include <array>

namespace toolkit {
class Application;
}

namespace veltrana {

class TForm2;
class TForm3;
class TForm4;

// The program's other windows, as the bar reaches them. The file-error notice
// may be asked for while the bar is still being created.
class BarCompanions {
 public:
  virtual ~BarCompanions() = default;
  virtual TForm2& unsupportedScreenNotice() = 0;
  virtual TForm3& fileErrorNotice() = 0;
  virtual TForm4& menuPanel() = 0;
};

// The bar: a borderless, top-most strip along the top of the screen that
// sizes itself to its components, and the timers that drive the program.
class TVTR : public toolkit::Form {
 public:
  TVTR(toolkit::Application& application, const platform::Ports& ports, BarCompanions& companions);
  ~TVTR() override;

  // Components, in creation order: each later one lies above the earlier ones.
  toolkit::Shape Shape1;
  toolkit::Image Image1;
  toolkit::SpeedButton SpeedButton1;
  toolkit::SpeedButton SpeedButton2;
  toolkit::Label Label1;
  toolkit::Label Label2;
  toolkit::Label Label3;
  toolkit::Label Label4;
  toolkit::Label Label5;
  toolkit::Label Label6;
  toolkit::Label Label7;
  toolkit::Label Label8;
  toolkit::Label Label9;
  toolkit::Label Label10;
  toolkit::SpeedButton SpeedButton11;
  toolkit::Label Label11;
  toolkit::Label Label12;
  toolkit::Label Label13;
  toolkit::Label Label14;
  toolkit::Label TotalPhys;
  toolkit::Label Label15;
  toolkit::Label Hz;
  toolkit::Label Label16;
  toolkit::SpeedButton SpeedButton3;
  toolkit::SpeedButton SpeedButton4;
  toolkit::SpeedButton SpeedButton5;
  TGauge Gauge1;
  toolkit::Label Label17;
  toolkit::Label Label18;
  TGauge RamGauge;
  toolkit::Label Label19;
  toolkit::Image Image2;
  toolkit::Image Image3;
  toolkit::Image Image4;
  toolkit::Image Image5;
  toolkit::SpeedButton SpeedButton6;

  toolkit::Timer Timer1;   // work clock
  toolkit::Timer Timer2;   // date and refresh rate
  toolkit::Timer Timer3;   // return from hiding
  toolkit::Timer Timer4;   // memory and processor frequency
  toolkit::Timer Timer5;   // processor load
  toolkit::Timer Timer6;   // taskbar button
  toolkit::Timer Timer8;   // settings reload
  toolkit::Timer Timer12;  // unsupported screen

  // Stops the timers of the schedule: all but Timer12.
  void StopScheduleTimers();

  // The mode of the monitor that holds the bar, looked up afresh.
  ScreenMode currentScreenMode() const;
  // Lays the bar out for the current screen mode; nothing on an unsupported one.
  void ApplyScreenLayout();

  // The labels that take the caption colour and the value colour, and the hot zones.
  std::array<toolkit::Label*, 17> captionLabels();
  std::array<toolkit::Label*, 4> valueLabels();
  std::array<toolkit::Image*, 4> hotZones();

  BarCompanions& companions() { return companions_; }
  const SettingsPasses& settings() const { return settings_; }

  // Pushes the bar above the screen's top edge until the return timer brings it back.
  void Hide();

  void CreateTrayIcon();
  void DeleteTrayIcon();
  void UpdateMemoryReadout();
  void GetCPUUsage();
  double GetCPUSpeed();

  bool MyExitWindows(unsigned mode);

  void FormCreate();
  void FormDestroy();
  void Image1Click();
  // The click handler of the texts that hide the bar: every label but the day of the month.
  void LabelClick();
  void Image2MouseMove();
  // Shared by the hot zones Image3, Image4 and Image5.
  void Image3MouseMove();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton11Click();
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void Timer4Timer();
  void Timer5Timer();
  void Timer6Timer();
  void Timer8Timer();
  void Timer12Timer();

 private:
  void connectHandlers();

  const platform::Ports& ports_;
  BarCompanions& companions_;
  ScreenLayout layout_;
  ProcessorLoadSampler loadSampler_;
  SettingsPasses settings_;
};

}  // namespace veltrana
