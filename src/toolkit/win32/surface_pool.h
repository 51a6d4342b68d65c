#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "platform/win32/unique_handle.h"
#include "toolkit/geometry.h"

namespace toolkit::win32 {

// Memory bitmaps with their device contexts, compatible with the screen and
// kept for reuse. Under Wine every new device context costs round trips to
// the wineserver (it looks at the display again), and the bar composes a
// few pictures off-screen every second: the pictures of the gauges, the
// glyphs, and every paint of a form.
class SurfacePool {
  struct Surface;

 public:
  SurfacePool();
  ~SurfacePool();
  SurfacePool(const SurfacePool&) = delete;
  SurfacePool& operator=(const SurfacePool&) = delete;

  // A surface at least as large as asked for, for as long as the lease lives.
  class Lease {
   public:
    Lease(Lease&& other) noexcept;
    Lease& operator=(Lease&&) = delete;
    ~Lease();
    // Null when no surface could be made.
    HDC dc() const;

   private:
    friend class SurfacePool;
    Lease(Surface* pooled, std::unique_ptr<Surface> own);
    Surface* surface_;
    std::unique_ptr<Surface> own_;  // one made beyond the pool's size, freed with the lease
  };

  Lease acquire(toolkit::Size size);

  // Surfaces kept now.
  std::size_t size() const { return surfaces_.size(); }

 private:
  static std::unique_ptr<Surface> make(toolkit::Size size);

  std::vector<std::unique_ptr<Surface>> surfaces_;
};

}  // namespace toolkit::win32
