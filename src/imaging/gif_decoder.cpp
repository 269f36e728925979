#include "imaging/gif_decoder.hpp"

#include <gif_lib.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "imaging/image_file.hpp"

namespace quillon {
namespace {

constexpr std::uint32_t kTransparent = 0x00000000;
constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

int readFromFile(GifFileType* gif, GifByteType* buffer, int length) {
  auto* file = static_cast<std::FILE*>(gif->UserData);
  return static_cast<int>(std::fread(buffer, 1, static_cast<std::size_t>(length), file));
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
  }
};

// The rows of a frame in the order the file stores them. Interlaced frames
// come in four passes: every 8th row from 0, every 8th from 4, every 4th
// from 2, every 2nd from 1.
std::vector<int> storedRowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(height));
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  constexpr int kFirstRow[] = {0, 4, 2, 1};
  constexpr int kRowStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kFirstRow[pass]; y < height; y += kRowStep[pass]) rows.push_back(y);
  }
  return rows;
}

// Reads one extension to its end. A graphics control extension sets the
// transparent colour index of the frame that follows it.
bool readExtension(GifFileType* gif, int& transparentIndex) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr) {
    GraphicsControlBlock control;
    if (DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
      transparentIndex = control.TransparentColor;
    }
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
  }
  return true;
}

std::uint32_t colorOf(const ColorMapObject& colors, int index, int transparentIndex) {
  if (index == transparentIndex) return kTransparent;
  // An index past the colour map names no colour; draw it black.
  if (index >= colors.ColorCount) return kOpaqueBlack;
  const GifColorType& color = colors.Colors[index];
  return kOpaqueBlack | (std::uint32_t{color.Red} << 16) | (std::uint32_t{color.Green} << 8) | color.Blue;
}

// The frame is drawn on the logical screen, grown when the frame reaches past
// it; whatever the frame does not cover stays transparent.
std::optional<Bitmap> readFirstFrame(GifFileType* gif, int transparentIndex) {
  if (DGifGetImageDesc(gif) == GIF_ERROR) return std::nullopt;
  const GifImageDesc& frame = gif->Image;
  const ColorMapObject* colors = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
  if (colors == nullptr) return std::nullopt;

  const int width = std::max(gif->SWidth, frame.Left + frame.Width);
  const int height = std::max(gif->SHeight, frame.Top + frame.Height);
  if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) return std::nullopt;

  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kTransparent);
  if (frame.Width == 0) return bitmap;

  std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
  for (int row : storedRowOrder(frame.Height, frame.Interlace)) {
    if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) return std::nullopt;
    std::uint32_t* out = &bitmap.pixels[static_cast<std::size_t>(frame.Top + row) * width + frame.Left];
    for (int x = 0; x < frame.Width; ++x) out[x] = colorOf(*colors, line[x], transparentIndex);
  }
  return bitmap;
}

}  // namespace

std::optional<Bitmap> decodeGif(std::FILE* file) {
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(file, readFromFile, &error));
  if (!gif) return std::nullopt;

  int transparentIndex = NO_TRANSPARENT_COLOR;
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif.get(), &record) == GIF_ERROR) return std::nullopt;
    switch (record) {
      case IMAGE_DESC_RECORD_TYPE:
        return readFirstFrame(gif.get(), transparentIndex);
      case EXTENSION_RECORD_TYPE:
        if (!readExtension(gif.get(), transparentIndex)) return std::nullopt;
        break;
      default:  // the trailer before any frame, or a record giflib does not know
        return std::nullopt;
    }
  }
}

}  // namespace quillon
