#include <gtest/gtest.h>

#include "platform/win32/resources.h"
#include "toolkit/bitmap_file.h"
#include "toolkit/jpeg_image.h"

namespace {

using platform::Resource;

TEST(Resources, TheDefaultBackgroundIsA1280By25Jpeg) {
  platform::win32::Win32Resources resources;
  const auto data = resources.bytes(Resource::defaultBackground);
  ASSERT_FALSE(data.empty());
  const auto picture = toolkit::decodeJpeg(data);
  ASSERT_TRUE(picture) << "libjpeg decodes the embedded picture";
  EXPECT_EQ(picture->width, 1280);
  EXPECT_EQ(picture->height, 25);
}

TEST(Resources, EveryGlyphIsAValidBitmapOfItsSize) {
  platform::win32::Win32Resources resources;
  const struct {
    Resource resource;
    int side;
  } glyphs[] = {{Resource::glyphCdOut, 20}, {Resource::glyphCdIn, 20},  {Resource::glyphMagic, 16},
                {Resource::glyphOptions, 16}, {Resource::glyphAbout, 20}, {Resource::glyphHelp, 16},
                {Resource::glyphExit, 16}};
  for (const auto& g : glyphs) {
    const auto file = toolkit::decodeBitmapFile(resources.bytes(g.resource));
    EXPECT_EQ(file.error, toolkit::BitmapFile::Error::none) << static_cast<int>(g.resource);
    EXPECT_EQ(file.picture.width, g.side) << static_cast<int>(g.resource);
    EXPECT_EQ(file.picture.height, g.side) << static_cast<int>(g.resource);
  }
}

}  // namespace
