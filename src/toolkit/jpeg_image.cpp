#include "toolkit/jpeg_image.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace toolkit {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void escapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

void ignoreMessage(j_common_ptr) {}

// Kept free of objects with destructors: libjpeg reports errors by longjmp.
bool decodeInto(const std::uint8_t* data, unsigned long size, Pixmap& out, std::uint8_t* row, int rowCapacity) {
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
  if (static_cast<int>(info.output_width) != out.width || static_cast<int>(info.output_height) != out.height ||
      static_cast<int>(info.output_width) * 3 > rowCapacity) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_start_decompress(&info);
  while (info.output_scanline < info.output_height) {
    const int y = static_cast<int>(info.output_scanline);
    JSAMPROW rows[1] = {row};
    jpeg_read_scanlines(&info, rows, 1);
    for (int x = 0; x < out.width; ++x) {
      const std::uint8_t* p = row + 3 * x;
      out.pixels[static_cast<std::size_t>(y) * out.width + x] =
          (std::uint32_t{p[0]} << 16) | (std::uint32_t{p[1]} << 8) | p[2];
    }
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

// Reads only the dimensions, so the buffers can be made before decoding.
bool readSize(const std::uint8_t* data, unsigned long size, int& width, int& height) {
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
  width = static_cast<int>(info.image_width);
  height = static_cast<int>(info.image_height);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

std::optional<Pixmap> decodeJpeg(std::span<const std::uint8_t> data) {
  if (data.empty()) return std::nullopt;
  int width = 0;
  int height = 0;
  if (!readSize(data.data(), static_cast<unsigned long>(data.size()), width, height)) return std::nullopt;
  constexpr int maxSide = 1 << 14;
  if (width <= 0 || height <= 0 || width > maxSide || height > maxSide) return std::nullopt;
  Pixmap picture{width, height, std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  std::vector<std::uint8_t> row(static_cast<std::size_t>(width) * 3);
  if (!decodeInto(data.data(), static_cast<unsigned long>(data.size()), picture, row.data(),
                  static_cast<int>(row.size())))
    return std::nullopt;
  return picture;
}

}  // namespace toolkit
