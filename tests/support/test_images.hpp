#pragma once
// Writes small GIF and JPEG files for tests, with the reference encoders.
#include <cstdint>
#include <string>
#include <vector>

namespace quillon::testing {

// One GIF frame and how to store it. Colours are 0xRRGGBB.
struct GifPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> indices;        // width × height colour indices, rows top to bottom
  std::vector<std::uint32_t> globalColors;  // empty: the file has no global colour map
  std::vector<std::uint32_t> localColors;   // the frame's own map; empty: none
  int transparentIndex = -1;                // from 0: written in a graphics control extension
  bool interlaced = false;
  int left = 0;  // the frame's place on the logical screen
  int top = 0;
  int screenWidth = 0;  // 0: the frame's right edge
  int screenHeight = 0;  // 0: the frame's bottom edge
};

void writeGif(const std::string& path, const GifPicture& picture);

// A GIF of one solid colour.
void writeGif(const std::string& path, int width, int height, std::uint32_t rgb = 0x00FF00);

// A baseline (or progressive) colour JPEG of one solid colour, quality 95.
void writeJpeg(const std::string& path, int width, int height, std::uint32_t rgb = 0x2060C0,
               bool progressive = false);

// A one-component JPEG of one grey level.
void writeGrayJpeg(const std::string& path, int width, int height, std::uint8_t level);

}  // namespace quillon::testing
