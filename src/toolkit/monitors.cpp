#include "toolkit/monitors.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace toolkit {

namespace {

long long area(const Rect& r) { return r.empty() ? 0 : static_cast<long long>(r.width()) * r.height(); }

// Distance between two rectangles along one axis; 0 when they overlap on it.
long long gap(int aLow, int aHigh, int bLow, int bHigh) {
  if (aHigh <= bLow) return bLow - aHigh;
  if (bHigh <= aLow) return aLow - bHigh;
  return 0;
}

}  // namespace

int drawnDpi(const Monitor& monitor) {
  constexpr int largestDpi = 288;
  return std::clamp(monitor.dpi, veltrana::designDpi, largestDpi);
}

std::optional<Monitor> monitorHolding(std::span<const Monitor> monitors, const Rect& window) {
  const Monitor* best = nullptr;
  long long bestArea = 0;
  for (const Monitor& m : monitors) {
    const long long shared = area(m.full.intersect(window));
    if (shared > bestArea) {
      best = &m;
      bestArea = shared;
    }
  }
  if (!best) {
    long long bestDistance = std::numeric_limits<long long>::max();
    for (const Monitor& m : monitors) {
      const long long dx = gap(window.left, window.right, m.full.left, m.full.right);
      const long long dy = gap(window.top, window.bottom, m.full.top, m.full.bottom);
      const long long distance = dx * dx + dy * dy;
      if (distance < bestDistance) {
        best = &m;
        bestDistance = distance;
      }
    }
  }
  if (!best) return std::nullopt;
  return *best;
}

Point snapToWorkArea(Point requested, Size size, const Rect& workArea, int distance) {
  Point p = requested;
  if (std::abs(p.x) < distance) p.x = 0;
  if (std::abs(p.y) < distance) p.y = 0;
  if (std::abs(p.x + size.width - workArea.right) < distance) p.x = workArea.right - size.width;
  if (std::abs(p.y + size.height - workArea.bottom) < distance) p.y = workArea.bottom - size.height;
  return p;
}

}  // namespace toolkit
