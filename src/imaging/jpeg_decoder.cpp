#include "imaging/jpeg_decoder.hpp"

// jpeglib.h needs FILE and size_t declared first.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <utility>
#include <vector>

#include <jpeglib.h>
#include <jerror.h>

#include "imaging/image_file.hpp"

namespace quillon {
namespace {

// libjpeg's default error handler exits the process. Ours jumps back to the
// decoder, which then gives up on the picture.
struct ErrorManager {
  jpeg_error_mgr base;  // first, so libjpeg's pointer to it is a pointer to us
  std::jmp_buf escape;
  bool truncated;
};

[[noreturn]] void escapeOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->escape, 1);
}

// libjpeg pads a file that ends early with grey and only warns; a picture
// missing its end is refused like any other damaged one. Other warnings
// (stray bytes between markers) leave a usable picture and are ignored.
void noteWarning(j_common_ptr info, int level) {
  auto* errors = reinterpret_cast<ErrorManager*>(info->err);
  if (level < 0 && errors->base.msg_code == JWRN_JPEG_EOF) errors->truncated = true;
}

// Everything the decoding touches lives here, outside the frame that calls
// setjmp, so a jump back skips no destructor and leaves no value undefined.
struct JpegDecoding {
  jpeg_decompress_struct info{};
  ErrorManager errors{};
  std::vector<JSAMPLE> row;
  Bitmap bitmap;

  JpegDecoding() {
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = escapeOnError;
    errors.base.emit_message = noteWarning;
  }
  ~JpegDecoding() { jpeg_destroy_decompress(&info); }
  JpegDecoding(const JpegDecoding&) = delete;
  JpegDecoding& operator=(const JpegDecoding&) = delete;
};

std::uint32_t opaquePixel(const JSAMPLE* sample, int components) {
  const std::uint32_t red = sample[0];
  const std::uint32_t green = components == 1 ? red : sample[1];
  const std::uint32_t blue = components == 1 ? red : sample[2];
  return 0xFF000000 | (red << 16) | (green << 8) | blue;
}

bool decodeInto(JpegDecoding& d, std::FILE* file) {
  if (setjmp(d.errors.escape) != 0) return false;
  jpeg_create_decompress(&d.info);
  jpeg_stdio_src(&d.info, file);
  jpeg_read_header(&d.info, TRUE);
  if (d.info.image_width == 0 || d.info.image_height == 0 || d.info.image_width > kMaxImageSide ||
      d.info.image_height > kMaxImageSide) {
    return false;
  }
  // Grey stays grey; every other colour space is asked for as RGB, and
  // libjpeg refuses (through the error handler) what it cannot convert.
  d.info.out_color_space = d.info.jpeg_color_space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_start_decompress(&d.info);

  const int width = static_cast<int>(d.info.output_width);
  const int height = static_cast<int>(d.info.output_height);
  const int components = d.info.output_components;
  d.row.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(components));
  d.bitmap.width = width;
  d.bitmap.height = height;
  d.bitmap.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
  while (d.info.output_scanline < d.info.output_height) {
    const std::size_t y = d.info.output_scanline;
    JSAMPROW rows[] = {d.row.data()};
    if (jpeg_read_scanlines(&d.info, rows, 1) != 1) return false;
    std::uint32_t* out = &d.bitmap.pixels[y * static_cast<std::size_t>(width)];
    for (int x = 0; x < width; ++x) out[x] = opaquePixel(&d.row[static_cast<std::size_t>(x) * components], components);
  }
  jpeg_finish_decompress(&d.info);
  return !d.errors.truncated;
}

}  // namespace

std::optional<Bitmap> decodeJpeg(std::FILE* file) {
  JpegDecoding decoding;
  if (!decodeInto(decoding, file)) return std::nullopt;
  return std::move(decoding.bitmap);
}

}  // namespace quillon
