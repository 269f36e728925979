#pragma once
// Whether a text holds any of a few bytes, sixteen bytes at a time where the
// machine allows: most texts hold none and are then copied whole.
#include <cstddef>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {

template <char... Bytes>
bool holdsAnyOf(std::string_view text) {
  const char* data = text.data();
  const std::size_t size = text.size();
#if defined(__SSE2__)
  if (size >= 16) {
    auto found = [](const char* at) {
      const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
      const __m128i any = (_mm_cmpeq_epi8(bytes, _mm_set1_epi8(Bytes)) | ...);
      return _mm_movemask_epi8(any) != 0;
    };
    std::size_t at = 0;
    for (; at + 16 <= size; at += 16) {
      if (found(data + at)) return true;
    }
    // The last bytes, with some already looked at before them.
    return at < size && found(data + size - 16);
  }
#endif
  bool any = false;
  for (std::size_t k = 0; k < size; ++k) any |= ((data[k] == Bytes) | ...);
  return any;
}

}  // namespace quillon
