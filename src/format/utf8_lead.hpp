#pragma once
// What a UTF-8 lead byte promises: how long its sequence is and the range its
// second byte must fall in, which is what keeps overlong forms and surrogates
// out. The later bytes are always 0x80..0xBF.
namespace quillon {

struct Utf8Lead {
  int length = 0;  // 0: not a lead byte
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
};

constexpr Utf8Lead utf8Lead(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return {2, 0x80, 0xBF};
  if (lead >= 0xE0 && lead <= 0xEF) {
    return {3, static_cast<unsigned char>(lead == 0xE0 ? 0xA0 : 0x80),
            static_cast<unsigned char>(lead == 0xED ? 0x9F : 0xBF)};
  }
  if (lead >= 0xF0 && lead <= 0xF4) {
    return {4, static_cast<unsigned char>(lead == 0xF0 ? 0x90 : 0x80),
            static_cast<unsigned char>(lead == 0xF4 ? 0x8F : 0xBF)};
  }
  return {};
}

}  // namespace quillon
