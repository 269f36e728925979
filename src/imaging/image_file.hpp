#pragma once
// Reads GIF and JPEG picture files into bitmaps.
#include <optional>
#include <string>

#include "imaging/bitmap.hpp"

namespace quillon {

// Pictures wider or taller than this are refused: a few header bytes could
// otherwise ask for gigabytes of pixels.
inline constexpr int kMaxImageSide = 16384;

// The decoded first frame, or nothing when the file is missing, unreadable,
// corrupt, truncated or not a GIF or JPEG picture. The format is told by the
// file's first bytes. Transparent pixels are 0x00000000.
std::optional<Bitmap> loadImageFile(const std::string& path);

}  // namespace quillon
