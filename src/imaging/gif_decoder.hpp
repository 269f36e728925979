#pragma once
// GIF decoding with giflib.
#include <cstdio>
#include <optional>

#include "imaging/bitmap.hpp"

namespace quillon {

// The first frame of the GIF stream that starts at the file's current
// position, placed on the logical screen; nothing when the stream is corrupt,
// truncated or too large.
std::optional<Bitmap> decodeGif(std::FILE* file);

}  // namespace quillon
