#pragma once

#include "toolkit/geometry.h"

namespace toolkit {
class Application;
class Form;
}  // namespace toolkit

namespace veltrana {

// A rectangle of the size centred on the whole desktop (all monitors) or on
// the primary screen.
toolkit::Rect centredOnDesktop(const toolkit::Application& application, toolkit::Size size);
toolkit::Rect centredOnScreen(const toolkit::Application& application, toolkit::Size size);

// How many times as large as designed a form is drawn on the monitor that
// holds it: 1 at 100 %.
double scaleWhereItIs(const toolkit::Form& form);

// Moves a form to the rectangle's top-left corner.
void placeAt(toolkit::Form& form, const toolkit::Rect& where);

}  // namespace veltrana
