#pragma once
// Whether a text holds any of a few bytes, sixteen bytes at a time where the
// machine allows: most texts hold none and are then copied whole.
#include <cstddef>
#include <cstring>
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
  auto holds = [](__m128i bytes) {
    const __m128i any = (_mm_cmpeq_epi8(bytes, _mm_set1_epi8(Bytes)) | ...);
    return _mm_movemask_epi8(any) != 0;
  };
  if (size >= 16) {
    auto found = [&holds](const char* at) { return holds(_mm_loadu_si128(reinterpret_cast<const __m128i*>(at))); };
    std::size_t at = 0;
    for (; at + 16 <= size; at += 16) {
      if (found(data + at)) return true;
    }
    // The last bytes, with some already looked at before them.
    return at < size && found(data + size - 16);
  }
  if (size >= 8) {
    // A short text, as two words that overlap: nothing read beyond its end.
    long long head;
    long long tail;
    std::memcpy(&head, data, 8);
    std::memcpy(&tail, data + size - 8, 8);
    return holds(_mm_set_epi64x(tail, head));
  }
#endif
  bool any = false;
  for (std::size_t k = 0; k < size; ++k) any |= ((data[k] == Bytes) | ...);
  return any;
}

}  // namespace quillon
