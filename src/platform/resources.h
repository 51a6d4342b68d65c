#pragma once

#include <cstdint>
#include <span>

#include "platform/resource_ids.h"

namespace platform {

enum class Resource : int {
  defaultBackground = VELTRANA_BACKGROUND_JPEG,
  glyphCdOut = VELTRANA_GLYPH_CD_OUT,
  glyphCdIn = VELTRANA_GLYPH_CD_IN,
  glyphMagic = VELTRANA_GLYPH_MAGIC,
  glyphOptions = VELTRANA_GLYPH_OPTIONS,
  glyphAbout = VELTRANA_GLYPH_ABOUT,
  glyphHelp = VELTRANA_GLYPH_HELP,
  glyphExit = VELTRANA_GLYPH_EXIT,
};

// The pictures built into the program file.
class Resources {
 public:
  virtual ~Resources() = default;
  // The resource's bytes, empty when it is missing. They live as long as the program.
  virtual std::span<const std::uint8_t> bytes(Resource resource) const = 0;
};

}  // namespace platform
