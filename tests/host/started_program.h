#pragma once

#include "support/scenario.h"

// The program started with a settings file, as the user finds it, and the
// user's clicks on it.
struct Started : fakes::Scenario {
  explicit Started(const char* settings = fakes::staySettings, int width = 1280, int height = 1024)
      : Scenario(width, height) {
    writeSettings(settings);
    start();
  }
  int top() { return bar().bounds().top; }
};

inline toolkit::Point centreOf(const toolkit::Control& c) {
  return {c.left() + c.width() / 2, c.top() + c.height() / 2};
}

// A press and release of the mouse button at the point.
inline void click(toolkit::Form& form, toolkit::Point p) {
  form.mouseDown(p);
  form.mouseUp(p);
}

inline void click(toolkit::Control& c) { click(c.form(), centreOf(c)); }
