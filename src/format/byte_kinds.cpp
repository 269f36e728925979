#include "format/byte_kinds.hpp"

#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quillon {

namespace {

struct ByteKindTable {
  unsigned char of[256] = {};
  ByteKindTable() {
    for (char c : {'\r', '\n'}) of[static_cast<unsigned char>(c)] = kLineBreakByte;
    for (char c : {'&', '"', '<', '>'}) of[static_cast<unsigned char>(c)] = kMarkupByte;
    of[static_cast<unsigned char>(';')] = kSeparatorByte;
  }
};
const ByteKindTable kByteKinds;

#if defined(__SSE2__)
// Sixteen bytes at a time; a text of at least sixteen bytes only.
unsigned wideByteKindsIn(const char* text, std::size_t size) {
  const __m128i zero = _mm_setzero_si128();
  __m128i breaks = zero;
  __m128i markup = zero;
  __m128i separators = zero;
  auto scan = [&](const char* at) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
    auto is = [&bytes](char c) { return _mm_cmpeq_epi8(bytes, _mm_set1_epi8(c)); };
    breaks = _mm_or_si128(breaks, _mm_or_si128(is('\r'), is('\n')));
    markup = _mm_or_si128(markup, _mm_or_si128(_mm_or_si128(is('&'), is('"')), _mm_or_si128(is('<'), is('>'))));
    separators = _mm_or_si128(separators, is(';'));
  };
  std::size_t at = 0;
  for (; at + 16 <= size; at += 16) scan(text + at);
  // The last bytes, with some already looked at before them.
  if (at < size) scan(text + size - 16);
  unsigned kinds = 0;
  if (_mm_movemask_epi8(breaks)) kinds |= kLineBreakByte;
  if (_mm_movemask_epi8(markup)) kinds |= kMarkupByte;
  if (_mm_movemask_epi8(separators)) kinds |= kSeparatorByte;
  return kinds;
}
#endif

}  // namespace

unsigned byteKindsIn(std::string_view text) {
#if defined(__SSE2__)
  if (text.size() >= 16) return wideByteKindsIn(text.data(), text.size());
#endif
  // No branch per byte: the kinds are or-ed and looked at once.
  unsigned kinds = 0;
  for (char c : text) kinds |= kByteKinds.of[static_cast<unsigned char>(c)];
  return kinds;
}

}  // namespace quillon
