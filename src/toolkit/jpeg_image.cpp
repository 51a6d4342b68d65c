#include "toolkit/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace toolkit {

namespace {

constexpr int maxSide = 1 << 13;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void escapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

// No object with a destructor may begin its life in here after setjmp:
// libjpeg reports errors by longjmp. The picture belongs to the caller and
// the row buffer to libjpeg's own pool.
bool decodeInto(const std::uint8_t* data, unsigned long size, Pixmap& out) {
  jpeg_decompress_struct info;
  ErrorManager errors;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = escapeOnError;
  errors.base.output_message = ignoreMessage;
  if (setjmp(errors.escape)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, data, size);
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_calc_output_dimensions(&info);
  const int width = static_cast<int>(info.output_width);
  const int height = static_cast<int>(info.output_height);
  if (width <= 0 || height <= 0 || width > maxSide || height > maxSide) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  out.width = width;
  out.height = height;
  out.pixels.assign(static_cast<std::size_t>(width) * height, 0);
  JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                             static_cast<JDIMENSION>(width * 3), 1);
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    jpeg_read_scanlines(&info, row, 1);
    for (int x = 0; x < width; ++x) {
      const JSAMPLE* p = row[0] + 3 * x;
      out.pixels[static_cast<std::size_t>(y) * width + x] =
          (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<Pixmap> decodeJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) return std::nullopt;
  Pixmap picture;
  if (!decodeInto(data.data(), static_cast<unsigned long>(data.size()), picture)) return std::nullopt;
  return picture;
}

}  // namespace toolkit
