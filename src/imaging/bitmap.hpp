#pragma once
#include <cstdint>
#include <vector>

namespace quillon {

// A decoded picture: rows top to bottom, each pixel 0xAARRGGBB.
struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

}  // namespace quillon
