#pragma once

#include <cstdint>
#include <span>

#include "toolkit/pixmap.h"

namespace toolkit {

// Reading a .bmp file's bytes (a device-independent bitmap behind a 14-byte
// file header). Empty data is an empty picture, not an error.
struct BitmapFile {
  enum class Error { none, streamRead, notValid };
  Error error = Error::none;
  Pixmap picture;
};

BitmapFile decodeBitmapFile(std::span<const std::uint8_t> data);

}  // namespace toolkit
