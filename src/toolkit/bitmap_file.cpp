#include "toolkit/bitmap_file.h"

#include <array>
#include <bit>
#include <optional>

namespace toolkit {

namespace {

constexpr std::size_t fileHeaderSize = 14;
constexpr std::int64_t maxPixels = std::int64_t{1} << 24;

enum : std::uint32_t { compressionRgb = 0, compressionBitfields = 3 };

class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
  bool has(std::size_t offset, std::size_t size) const { return offset <= data_.size() && size <= data_.size() - offset; }
  std::uint16_t u16(std::size_t at) const { return static_cast<std::uint16_t>(data_[at] | data_[at + 1] << 8); }
  std::uint32_t u32(std::size_t at) const {
    return std::uint32_t{data_[at]} | std::uint32_t{data_[at + 1]} << 8 | std::uint32_t{data_[at + 2]} << 16 |
           std::uint32_t{data_[at + 3]} << 24;
  }
  std::uint8_t u8(std::size_t at) const { return data_[at]; }
  std::size_t size() const { return data_.size(); }

 private:
  std::span<const std::uint8_t> data_;
};

struct Header {
  std::uint32_t size = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;  // negative: rows stored top to bottom
  unsigned bitCount = 0;
  std::uint32_t compression = compressionRgb;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
};

// Scales the bits of `value` under `mask` to 0..255.
std::uint32_t channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  const int shift = std::countr_zero(mask);
  const std::uint32_t bits = (value & mask) >> shift;
  const std::uint32_t top = mask >> shift;
  return static_cast<std::uint32_t>((std::uint64_t{bits} * 255 + top / 2) / top);
}

std::optional<Header> readHeader(const Reader& r) {
  if (!r.has(fileHeaderSize, 4)) return std::nullopt;
  Header h;
  h.size = r.u32(fileHeaderSize);
  const std::size_t at = fileHeaderSize;
  if (h.size == 12) {
    if (!r.has(at, 12) || r.u16(at + 8) != 1) return std::nullopt;
    h.width = r.u16(at + 4);
    h.height = r.u16(at + 6);
    h.bitCount = r.u16(at + 10);
  } else if (h.size == 40 || h.size == 52 || h.size == 56 || h.size == 108 || h.size == 124) {
    if (!r.has(at, h.size) || r.u16(at + 12) != 1) return std::nullopt;
    h.width = static_cast<std::int32_t>(r.u32(at + 4));
    h.height = static_cast<std::int32_t>(r.u32(at + 8));
    h.bitCount = r.u16(at + 14);
    h.compression = r.u32(at + 16);
    h.colorsUsed = r.u32(at + 32);
    if (h.compression == compressionBitfields) {
      const std::size_t masksAt = h.size >= 52 ? at + 40 : at + h.size;
      if (!r.has(masksAt, 12)) return std::nullopt;
      h.masks = {r.u32(masksAt), r.u32(masksAt + 4), r.u32(masksAt + 8)};
    }
  } else {
    return std::nullopt;
  }
  const bool paletted = h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8;
  const bool direct = h.bitCount == 16 || h.bitCount == 24 || h.bitCount == 32;
  if (!paletted && !direct) return std::nullopt;
  if (h.compression == compressionBitfields ? (h.bitCount != 16 && h.bitCount != 32)
                                            : h.compression != compressionRgb)
    return std::nullopt;
  if (h.compression == compressionRgb && h.bitCount == 16) h.masks = {0x7C00, 0x03E0, 0x001F};
  if (h.compression == compressionRgb && h.bitCount == 32) h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
  if (h.width <= 0 || h.height == 0 || h.height == INT32_MIN) return std::nullopt;
  if (h.size == 12 && h.height < 0) return std::nullopt;
  const std::int64_t rows = h.height < 0 ? -h.height : h.height;
  if (h.width > maxPixels || rows > maxPixels || h.width * rows > maxPixels) return std::nullopt;
  if (paletted && h.colorsUsed > (1u << h.bitCount)) return std::nullopt;
  return h;
}

}  // namespace

BitmapFile decodeBitmapFile(std::span<const std::uint8_t> data) {
  BitmapFile result;
  if (data.empty()) return result;
  if (data.size() < fileHeaderSize) {
    result.error = BitmapFile::Error::streamRead;
    return result;
  }
  const Reader r(data);
  const auto invalid = [&] {
    result.error = BitmapFile::Error::notValid;
    return result;
  };
  if (r.u8(0) != 'B' || r.u8(1) != 'M') return invalid();
  const auto header = readHeader(r);
  if (!header) return invalid();
  const Header& h = *header;

  // Colour table, right after the header (and the masks of a 40-byte header).
  std::array<std::uint32_t, 256> palette{};
  if (h.bitCount <= 8) {
    const std::size_t entries = h.colorsUsed ? h.colorsUsed : (std::size_t{1} << h.bitCount);
    const std::size_t entrySize = h.size == 12 ? 3 : 4;
    const std::size_t tableAt = fileHeaderSize + h.size;
    if (!r.has(tableAt, entries * entrySize)) return invalid();
    for (std::size_t i = 0; i < entries; ++i) {
      const std::size_t e = tableAt + i * entrySize;
      palette[i] = std::uint32_t{r.u8(e + 2)} << 16 | std::uint32_t{r.u8(e + 1)} << 8 | r.u8(e);
    }
  }

  const int width = static_cast<int>(h.width);
  const int rows = static_cast<int>(h.height < 0 ? -h.height : h.height);
  const std::size_t stride = ((static_cast<std::size_t>(width) * h.bitCount + 31) / 32) * 4;
  const std::size_t bitsAt = r.u32(10);
  if (bitsAt < fileHeaderSize + h.size) return invalid();
  if (!r.has(bitsAt, stride * static_cast<std::size_t>(rows))) {
    result.error = BitmapFile::Error::streamRead;
    return result;
  }

  Pixmap& out = result.picture;
  out.width = width;
  out.height = rows;
  out.pixels.assign(static_cast<std::size_t>(width) * rows, 0);
  for (int row = 0; row < rows; ++row) {
    const int y = h.height < 0 ? row : rows - 1 - row;
    const std::size_t line = bitsAt + static_cast<std::size_t>(row) * stride;
    std::uint32_t* dest = &out.pixels[static_cast<std::size_t>(y) * width];
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel = 0;
      switch (h.bitCount) {
        case 1:
        case 4:
        case 8: {
          const std::size_t bit = static_cast<std::size_t>(x) * h.bitCount;
          const unsigned shift = 8 - h.bitCount - bit % 8;
          const unsigned index = (r.u8(line + bit / 8) >> shift) & ((1u << h.bitCount) - 1);
          pixel = palette[index];
          break;
        }
        case 16: {
          const std::uint32_t v = r.u16(line + 2 * static_cast<std::size_t>(x));
          pixel = channel(v, h.masks[0]) << 16 | channel(v, h.masks[1]) << 8 | channel(v, h.masks[2]);
          break;
        }
        case 24: {
          const std::size_t p = line + 3 * static_cast<std::size_t>(x);
          pixel = std::uint32_t{r.u8(p + 2)} << 16 | std::uint32_t{r.u8(p + 1)} << 8 | r.u8(p);
          break;
        }
        case 32: {
          const std::uint32_t v = r.u32(line + 4 * static_cast<std::size_t>(x));
          pixel = channel(v, h.masks[0]) << 16 | channel(v, h.masks[1]) << 8 | channel(v, h.masks[2]);
          break;
        }
      }
      dest[x] = pixel;
    }
  }
  return result;
}

std::shared_ptr<const Pixmap> pictureFromBitmapFile(std::span<const std::uint8_t> data) {
  BitmapFile file = decodeBitmapFile(data);
  if (file.error != BitmapFile::Error::none || file.picture.empty()) return nullptr;
  return std::make_shared<const Pixmap>(std::move(file.picture));
}

}  // namespace toolkit
