#include "popups/centred.h"

#include "toolkit/backend.h"
#include "toolkit/application.h"
#include "toolkit/form.h"

namespace veltrana {

namespace {

toolkit::Rect centredIn(const toolkit::Rect& area, toolkit::Size size) {
  return toolkit::Rect::fromBounds(area.left + (area.width() - size.width) / 2,
                                   area.top + (area.height() - size.height) / 2, size.width, size.height);
}

}  // namespace

toolkit::Rect centredOnDesktop(const toolkit::Application& application, toolkit::Size size) {
  toolkit::Rect desktop;
  for (const toolkit::Monitor& m : application.backend().monitors()) desktop = desktop.unite(m.full);
  return centredIn(desktop, size);
}

toolkit::Rect centredOnScreen(const toolkit::Application& application, toolkit::Size size) {
  const auto monitors = application.backend().monitors();
  return centredIn(monitors.empty() ? toolkit::Rect{} : monitors.front().full, size);
}

void centreOn(toolkit::Form& form, const toolkit::Monitor& monitor) {
  form.setScale(toolkit::scaleOf(monitor));
  placeAt(form, centredIn(monitor.full, {form.bounds().width(), form.bounds().height()}));
}

void placeAt(toolkit::Form& form, const toolkit::Rect& where) {
  form.setLeft(where.left);
  form.setTop(where.top);
}

}  // namespace veltrana
