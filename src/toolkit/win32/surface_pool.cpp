#include "toolkit/win32/surface_pool.h"

#include <algorithm>

namespace toolkit::win32 {

namespace {

// As many as are in use at once: a form's paint, a glyph within it, and the
// three pictures of a gauge.
constexpr std::size_t kept = 6;

}  // namespace

struct SurfacePool::Surface {
  platform::win32::UniqueDc dc;
  platform::win32::UniqueBitmap bitmap;
  std::optional<platform::win32::SelectedObject> selected;  // deselected before the bitmap goes
  toolkit::Size capacity;
  bool inUse = false;

  bool holds(toolkit::Size size) const { return capacity.width >= size.width && capacity.height >= size.height; }
  long area() const { return static_cast<long>(capacity.width) * capacity.height; }
};

SurfacePool::SurfacePool() = default;
SurfacePool::~SurfacePool() = default;

SurfacePool::Lease::Lease(Surface* pooled, std::unique_ptr<Surface> own)
    : surface_(own ? own.get() : pooled), own_(std::move(own)) {
  if (surface_) surface_->inUse = true;
}

SurfacePool::Lease::Lease(Lease&& other) noexcept
    : surface_(std::exchange(other.surface_, nullptr)), own_(std::move(other.own_)) {}

SurfacePool::Lease::~Lease() {
  if (surface_) surface_->inUse = false;
}

HDC SurfacePool::Lease::dc() const { return surface_ ? surface_->dc.get() : nullptr; }

std::unique_ptr<SurfacePool::Surface> SurfacePool::make(toolkit::Size size) {
  auto surface = std::make_unique<Surface>();
  platform::win32::WindowDc screen(nullptr);
  surface->dc.reset(::CreateCompatibleDC(screen.get()));
  surface->bitmap.reset(::CreateCompatibleBitmap(screen.get(), std::max(size.width, 1), std::max(size.height, 1)));
  if (!surface->dc || !surface->bitmap) return nullptr;
  surface->selected.emplace(surface->dc.get(), surface->bitmap.get());
  surface->capacity = size;
  return surface;
}

SurfacePool::Lease SurfacePool::acquire(toolkit::Size size) {
  Surface* best = nullptr;
  for (const auto& s : surfaces_)
    if (!s->inUse && s->holds(size) && (!best || s->area() < best->area())) best = s.get();
  if (best) return Lease(best, nullptr);

  if (surfaces_.size() < kept) {
    auto made = make(size);
    if (!made) return Lease(nullptr, nullptr);
    surfaces_.push_back(std::move(made));
    return Lease(surfaces_.back().get(), nullptr);
  }
  // Full: an idle surface too small for this size makes way for a larger one.
  const auto idle = std::find_if(surfaces_.begin(), surfaces_.end(), [](const auto& s) { return !s->inUse; });
  if (idle == surfaces_.end()) return Lease(nullptr, make(size));
  const toolkit::Size larger{std::max(size.width, (*idle)->capacity.width),
                             std::max(size.height, (*idle)->capacity.height)};
  auto made = make(larger);
  if (!made) return Lease(nullptr, nullptr);
  *idle = std::move(made);
  return Lease(idle->get(), nullptr);
}

}  // namespace toolkit::win32
