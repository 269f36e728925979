#include "test_images.hpp"

#include <cstdio>
#include <memory>
#include <stdexcept>

// jpeglib.h needs FILE and size_t declared first.
#include <gif_lib.h>
#include <jpeglib.h>

namespace quillon::testing {
namespace {

struct ColorMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using ColorMapHandle = std::unique_ptr<ColorMapObject, ColorMapDeleter>;

// giflib wants colour maps whose size is a power of two; the rest is black.
ColorMapHandle makeColorMap(const std::vector<std::uint32_t>& colors) {
  if (colors.empty()) return nullptr;
  int size = 2;
  while (size < static_cast<int>(colors.size())) size *= 2;
  std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
  for (std::size_t i = 0; i < colors.size(); ++i) {
    entries[i] = GifColorType{static_cast<GifByteType>(colors[i] >> 16), static_cast<GifByteType>(colors[i] >> 8),
                              static_cast<GifByteType>(colors[i])};
  }
  return ColorMapHandle(GifMakeMapObject(size, entries.data()));
}

std::vector<int> storedRowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  const int firstRow[] = {0, 4, 2, 1};
  const int rowStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = firstRow[pass]; y < height; y += rowStep[pass]) rows.push_back(y);
  }
  return rows;
}

void check(bool ok, const std::string& what, const std::string& path) {
  if (!ok) throw std::runtime_error("cannot write " + what + " " + path);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

void writeJpegRows(const std::string& path, int width, int height, int components, const std::vector<JSAMPLE>& row,
                   bool progressive) {
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
  check(file != nullptr, "JPEG", path);
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  jpeg_stdio_dest(&info, file.get());
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 95, TRUE);
  if (progressive) jpeg_simple_progression(&info);
  jpeg_start_compress(&info, TRUE);
  std::vector<JSAMPLE> rowCopy = row;
  while (info.next_scanline < info.image_height) {
    JSAMPROW rows[] = {rowCopy.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
}

}  // namespace

void writeGif(const std::string& path, const GifPicture& picture) {
  int error = 0;
  GifFileType* gif = EGifOpenFileName(path.c_str(), false, &error);
  check(gif != nullptr, "GIF", path);
  EGifSetGifVersion(gif, true);
  const ColorMapHandle globalMap = makeColorMap(picture.globalColors);
  const ColorMapHandle localMap = makeColorMap(picture.localColors);
  const int screenWidth = picture.screenWidth > 0 ? picture.screenWidth : picture.left + picture.width;
  const int screenHeight = picture.screenHeight > 0 ? picture.screenHeight : picture.top + picture.height;
  bool ok = EGifPutScreenDesc(gif, screenWidth, screenHeight, 8, 0, globalMap.get()) == GIF_OK;
  if (ok && picture.transparentIndex >= 0) {
    const GifByteType control[] = {0x01, 0, 0, static_cast<GifByteType>(picture.transparentIndex)};
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, sizeof control, control) == GIF_OK;
  }
  ok = ok && EGifPutImageDesc(gif, picture.left, picture.top, picture.width, picture.height, picture.interlaced,
                              localMap.get()) == GIF_OK;
  std::vector<GifPixelType> line(static_cast<std::size_t>(picture.width));
  for (int y : storedRowOrder(picture.height, picture.interlaced)) {
    if (!ok) break;
    for (int x = 0; x < picture.width; ++x) line[x] = picture.indices.at(static_cast<std::size_t>(y) * picture.width + x);
    ok = EGifPutLine(gif, line.data(), picture.width) == GIF_OK;
  }
  ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
  check(ok, "GIF", path);
}

void writeGif(const std::string& path, int width, int height, std::uint32_t rgb) {
  GifPicture picture;
  picture.width = width;
  picture.height = height;
  picture.indices.assign(static_cast<std::size_t>(width) * height, 1);
  picture.globalColors = {0x000000, rgb};
  writeGif(path, picture);
}

void writeJpeg(const std::string& path, int width, int height, std::uint32_t rgb, bool progressive) {
  std::vector<JSAMPLE> row;
  for (int x = 0; x < width; ++x) {
    row.push_back(static_cast<JSAMPLE>(rgb >> 16));
    row.push_back(static_cast<JSAMPLE>(rgb >> 8));
    row.push_back(static_cast<JSAMPLE>(rgb));
  }
  writeJpegRows(path, width, height, 3, row, progressive);
}

void writeGrayJpeg(const std::string& path, int width, int height, std::uint8_t level) {
  writeJpegRows(path, width, height, 1, std::vector<JSAMPLE>(static_cast<std::size_t>(width), level), false);
}

}  // namespace quillon::testing
