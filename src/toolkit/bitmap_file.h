#pragma once

#include <cstdint>
#include <memory>
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

// A picture of the program's own, such as a button glyph; null when the data
// is not a valid bitmap file.
std::shared_ptr<const Pixmap> pictureFromBitmapFile(std::span<const std::uint8_t> data);

}  // namespace toolkit
