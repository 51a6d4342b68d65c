#pragma once

#include <string>

#include "toolkit/color.h"

namespace toolkit {

enum class Charset { defaultSet, cyrillic };

// A font as the forms describe it: face, cell height in pixels, style and
// character set. The colour travels with it, as labels and buttons set it.
struct Font {
  std::string face = "MS Sans Serif";
  int height = 11;
  bool bold = false;
  Charset charset = Charset::defaultSet;
  Color color = colors::black;
  // Smoothed glyph edges blend into what lies beneath; text that is combined
  // by exclusive-or needs crisp ones.
  bool smoothEdges = true;

  // Everything but the colour selects the same native font.
  bool sameFace(const Font& o) const {
    return face == o.face && height == o.height && bold == o.bold && charset == o.charset &&
           smoothEdges == o.smoothEdges;
  }
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace toolkit
