#pragma once

#include "common/dpi.h"

namespace veltrana {

// A screen as the programs judge it: its size in pixels and its pixels per
// inch, as the user's scaling setting gives them.
struct Screen {
  int width = 0;
  int height = 0;
  int dpi = designDpi;
  friend bool operator==(const Screen&, const Screen&) = default;
};

}  // namespace veltrana
