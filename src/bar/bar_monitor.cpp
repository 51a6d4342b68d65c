#include "bar/bar_monitor.h"

#include <algorithm>

#include "common/monitor_name.h"
#include "toolkit/application.h"
#include "toolkit/backend.h"
#include "toolkit/form.h"

namespace veltrana {

namespace {

toolkit::Point cornerOf(const toolkit::Monitor& monitor) { return {monitor.full.left, monitor.full.top}; }

}  // namespace

std::optional<toolkit::Monitor> monitorNamed(std::span<const toolkit::Monitor> monitors, std::string_view name) {
  if (monitors.empty()) return std::nullopt;
  const toolkit::Monitor* named = monitorNamedBy(monitors, name);
  return named ? *named : monitors.front();
}

toolkit::Point shownCorner(const toolkit::Monitor& monitor) {
  const toolkit::Point corner = cornerOf(monitor);
  if (corner.x == 0 && corner.y == 0) return {0, 2};
  return corner;
}

int hiddenTop(std::span<const toolkit::Monitor> monitors, const toolkit::Monitor& own, const toolkit::Rect& bar,
              int height) {
  const int above = own.full.top - height;
  const toolkit::Rect hidden = toolkit::Rect::fromBounds(bar.left, above, bar.width(), bar.height());
  const bool shows = std::any_of(monitors.begin(), monitors.end(), [&](const toolkit::Monitor& m) {
    return m.full != own.full && !m.full.intersect(hidden).empty();
  });
  if (!shows) return above;
  int desktopTop = own.full.top;
  for (const toolkit::Monitor& m : monitors) desktopTop = std::min(desktopTop, m.full.top);
  return desktopTop - std::max(height, bar.height());
}

std::optional<toolkit::Monitor> BarMonitor::current() const {
  return monitorNamed(bar_.application().backend().monitors(), name_);
}

void BarMonitor::placeShown() {
  hidden_ = false;
  const auto monitor = current();
  if (!monitor) return;
  const toolkit::Point corner = shownCorner(*monitor);
  bar_.setLeft(corner.x);
  bar_.setTop(corner.y);
  placedOn_ = cornerOf(*monitor);
}

void BarMonitor::placeHidden(int height) {
  hidden_ = true;
  hiddenHeight_ = height;
  const auto monitors = bar_.application().backend().monitors();
  const auto monitor = monitorNamed(monitors, name_);
  if (!monitor) return;
  bar_.setLeft(monitor->full.left);
  bar_.setTop(hiddenTop(monitors, *monitor, bar_.bounds(), height));
  placedOn_ = cornerOf(*monitor);
}

bool BarMonitor::follow() {
  const auto monitor = current();
  if (!monitor || !placedOn_ || *placedOn_ == cornerOf(*monitor)) return false;
  if (hidden_)
    placeHidden(hiddenHeight_);
  else
    placeShown();
  return true;
}

}  // namespace veltrana
