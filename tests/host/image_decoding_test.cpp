#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "support/assets.h"
#include "toolkit/bitmap_file.h"
#include "toolkit/jpeg_image.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using fakes::readAsset;
using toolkit::BitmapFile;

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
  b[at] = v & 0xFF;
  b[at + 1] = v >> 8;
}
void put32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}

// A bitmap file with a 40-byte header, an optional colour table and pixel rows.
Bytes bitmap(int width, int height, int bitCount, const Bytes& palette, const Bytes& bits,
             std::uint32_t compression = 0) {
  Bytes b(54 + palette.size() + bits.size());
  b[0] = 'B';
  b[1] = 'M';
  put32(b, 2, static_cast<std::uint32_t>(b.size()));
  put32(b, 10, static_cast<std::uint32_t>(54 + palette.size()));
  put32(b, 14, 40);
  put32(b, 18, static_cast<std::uint32_t>(width));
  put32(b, 22, static_cast<std::uint32_t>(height));
  put16(b, 26, 1);
  put16(b, 28, static_cast<std::uint16_t>(bitCount));
  put32(b, 30, compression);
  put32(b, 46, static_cast<std::uint32_t>(palette.size() / 4));  // colours used
  std::memcpy(b.data() + 54, palette.data(), palette.size());
  std::memcpy(b.data() + 54 + palette.size(), bits.data(), bits.size());
  return b;
}

TEST(Jpeg, DecodesTheDefaultBackground) {
  const auto picture = toolkit::decodeJpeg(readAsset("background.jpg"));
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->width, 1280);
  EXPECT_EQ(picture->height, 25);
  EXPECT_EQ(picture->pixels.size(), 1280u * 25u);
}

TEST(Jpeg, RejectsWhatIsNoJpeg) {
  EXPECT_FALSE(toolkit::decodeJpeg({}));
  EXPECT_FALSE(toolkit::decodeJpeg(readAsset("glyphs/magic.bmp")));
  Bytes truncated = readAsset("background.jpg");
  truncated.resize(40);
  EXPECT_FALSE(toolkit::decodeJpeg(truncated));
}

TEST(BitmapFile, DecodesTheGlyphsWithTheirTransparentCorner) {
  const auto glyph = toolkit::decodeBitmapFile(readAsset("glyphs/cd_out.bmp"));
  ASSERT_EQ(glyph.error, BitmapFile::Error::none);
  EXPECT_EQ(glyph.picture.width, 20);
  EXPECT_EQ(glyph.picture.height, 20);
  EXPECT_EQ(glyph.picture.at(0, 19), 0xFF00FFu);
}

TEST(BitmapFile, ReadsPalettedAndDirectColourRowsBottomUpOrTopDown) {
  // 2x2, 8 bits: palette index 1 is red, 2 is blue; rows padded to 4 bytes.
  const Bytes palette{0, 0, 0, 0, 0, 0, 255, 0, 255, 0, 0, 0};
  const Bytes paletted = bitmap(2, 2, 8, palette, {1, 2, 0, 0, 2, 1, 0, 0});
  auto r = toolkit::decodeBitmapFile(paletted);
  ASSERT_EQ(r.error, BitmapFile::Error::none);
  EXPECT_EQ(r.picture.at(0, 1), 0xFF0000u) << "the first row stored is the bottom one";
  EXPECT_EQ(r.picture.at(1, 1), 0x0000FFu);
  EXPECT_EQ(r.picture.at(0, 0), 0x0000FFu);

  const Bytes topDown = bitmap(2, -2, 8, palette, {1, 2, 0, 0, 2, 1, 0, 0});
  r = toolkit::decodeBitmapFile(topDown);
  ASSERT_EQ(r.error, BitmapFile::Error::none);
  EXPECT_EQ(r.picture.at(0, 0), 0xFF0000u);

  // 1 bit per pixel: 0b10 in the top bits of the row.
  const Bytes mono = bitmap(2, 1, 1, {0, 0, 0, 0, 255, 255, 255, 0}, {0x80, 0, 0, 0});
  r = toolkit::decodeBitmapFile(mono);
  ASSERT_EQ(r.error, BitmapFile::Error::none);
  EXPECT_EQ(r.picture.at(0, 0), 0xFFFFFFu);
  EXPECT_EQ(r.picture.at(1, 0), 0u);

  // 16 bits, 5-5-5: pure green.
  const Bytes rgb555 = bitmap(1, 1, 16, {}, {0xE0, 0x03, 0, 0});
  r = toolkit::decodeBitmapFile(rgb555);
  ASSERT_EQ(r.error, BitmapFile::Error::none);
  EXPECT_EQ(r.picture.at(0, 0), 0x00FF00u);
}

TEST(BitmapFile, ReportsShortAndMalformedFiles) {
  const auto ok = bitmap(1, 1, 24, {}, {1, 2, 3, 0});
  EXPECT_EQ(toolkit::decodeBitmapFile(ok).error, BitmapFile::Error::none);

  const auto empty = toolkit::decodeBitmapFile({});
  EXPECT_EQ(empty.error, BitmapFile::Error::none);
  EXPECT_TRUE(empty.picture.empty()) << "an empty file is an empty picture";

  for (std::size_t size : {1u, 2u, 13u})
    EXPECT_EQ(toolkit::decodeBitmapFile(Bytes(ok.begin(), ok.begin() + size)).error, BitmapFile::Error::streamRead)
        << size << " bytes";
  EXPECT_EQ(toolkit::decodeBitmapFile(Bytes(ok.begin(), ok.begin() + 14)).error, BitmapFile::Error::notValid);

  Bytes noMagic = ok;
  noMagic[0] = 'X';
  EXPECT_EQ(toolkit::decodeBitmapFile(noMagic).error, BitmapFile::Error::notValid);

  Bytes badDepth = ok;
  put16(badDepth, 28, 7);
  EXPECT_EQ(toolkit::decodeBitmapFile(badDepth).error, BitmapFile::Error::notValid);

  Bytes huge = ok;
  put32(huge, 18, 100000);
  put32(huge, 22, 100000);
  EXPECT_EQ(toolkit::decodeBitmapFile(huge).error, BitmapFile::Error::notValid);

  Bytes bitsBeyondEnd = ok;
  put32(bitsBeyondEnd, 10, 0xFFFFFFF0);
  EXPECT_EQ(toolkit::decodeBitmapFile(bitsBeyondEnd).error, BitmapFile::Error::streamRead);

  Bytes shortRows = ok;
  shortRows.pop_back();
  EXPECT_EQ(toolkit::decodeBitmapFile(shortRows).error, BitmapFile::Error::streamRead);

  const Bytes paletteMissing = bitmap(1, 1, 8, {}, {});
  EXPECT_EQ(toolkit::decodeBitmapFile(paletteMissing).error, BitmapFile::Error::notValid);
}

}  // namespace
