#pragma once

#include "toolkit/geometry.h"
#include "toolkit/monitors.h"

namespace toolkit {
class Application;
class Form;
}  // namespace toolkit

namespace veltrana {

// A rectangle of the size centred on the whole desktop (all monitors) or on
// the primary screen.
toolkit::Rect centredOnDesktop(const toolkit::Application& application, toolkit::Size size);
toolkit::Rect centredOnScreen(const toolkit::Application& application, toolkit::Size size);

// Draws a form at the scale of the monitor and centres it there.
void centreOn(toolkit::Form& form, const toolkit::Monitor& monitor);

// Moves a form to the rectangle's top-left corner.
void placeAt(toolkit::Form& form, const toolkit::Rect& where);

}  // namespace veltrana
