#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/color.h"

namespace toolkit {
struct Pixmap;
}

namespace veltrana {

// The bar as its settings passes change it: one operation for each thing a
// line of the settings file sets, by what it means on the screen rather
// than by the components that show it.
class SettingsTarget {
 public:
  virtual ~SettingsTarget() = default;

  // The layout for the screen the bar is on, the hot zones at their layout
  // widths; nothing on a screen the bar has no layout for.
  virtual void layOut() = 0;
  // How often the date, the refresh rate, memory, frequency and processor
  // load are updated, and how long the bar stays hidden, in milliseconds.
  virtual void setUpdateInterval(std::uint32_t ms) = 0;
  virtual void setHideTime(std::uint32_t ms) = 0;
  // The background: a skin's picture, stretched over the bar, or a plain colour.
  virtual void showSkin(std::shared_ptr<const toolkit::Pixmap> picture) = 0;
  virtual void showPlainColour(toolkit::Color colour) = 0;
  // The text colours of the captions (date, work clock, names) and of the values.
  virtual void setCaptionColour(toolkit::Color colour) = 0;
  virtual void setValueColour(toolkit::Color colour) = 0;
  // Move mode: whether moving the pointer over the texts hides the bar.
  virtual void setMoveMode(bool on) = 0;
  // Fitting: the bar laid out for any screen and drawn at the monitor's
  // scaling, rather than for the four screens it was made for only.
  virtual void setFit(bool on) = 0;
  // Stepping aside: below a program that runs full-screen, rather than above
  // everything always.
  virtual void setYield(bool on) = 0;
  // Reserving the bar's strip, so that maximised windows start below it.
  virtual void setReserve(bool on) = 0;
  // The processor load and frequency as Task Manager shows them, measured
  // away from the bar's thread, rather than as the bar measures them itself.
  virtual void setTaskManagerFigures(bool on) = 0;
  // The monitor the bar lives on, by its device name; empty for the main one.
  virtual void setMonitor(const std::string& name) = 0;
  // The hot zones as move mode has them: the layout's widths, or none.
  virtual void fitHotZones() = 0;
  // The notification-area icon; adding it again changes nothing.
  virtual void CreateTrayIcon() = 0;
  // Stops the timers and shows, modally, the notice that the settings
  // folder's drive cannot be used; returns when the notice is closed
  // other than by its button.
  virtual void showFileErrorNotice(const std::string& drive) = 0;
};

}  // namespace veltrana
