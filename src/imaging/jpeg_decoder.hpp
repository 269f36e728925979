#pragma once
// JPEG decoding with libjpeg.
#include <cstdio>
#include <optional>

#include "imaging/bitmap.hpp"

namespace quillon {

// The JPEG picture that starts at the file's current position, all pixels
// opaque; nothing when the stream is corrupt, truncated, too large or in a
// colour space other than grey or RGB/YCbCr.
std::optional<Bitmap> decodeJpeg(std::FILE* file);

}  // namespace quillon
