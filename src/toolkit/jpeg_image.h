#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "toolkit/pixmap.h"

namespace toolkit {

// Decodes a JPEG image (greyscale or colour) with libjpeg; nothing when the
// data is not a JPEG image libjpeg can read.
std::optional<Pixmap> decodeJpeg(std::span<const std::uint8_t> data);

}  // namespace toolkit
