#include "generators/utf8_text.hpp"

#include <locale>
#include <stdexcept>

#include "format/html_escape.hpp"

namespace quillon {

namespace {

struct Character {
  std::size_t length;  // bytes
  char32_t code;       // only when valid
  bool valid;
};

// The character at the position: a well-formed UTF-8 sequence (no overlong
// form, no surrogate, nothing above U+10FFFF), or else one byte.
Character characterAt(const std::string& text, std::size_t at) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
  const unsigned char lead = byte(0);
  if (lead < 0x80) return {1, lead, true};
  std::size_t length = 0;
  char32_t code = 0;
  char32_t lowest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, code = lead & 0x1F, lowest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, code = lead & 0x0F, lowest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, code = lead & 0x07, lowest = 0x10000;
  } else {
    return {1, 0, false};
  }
  if (text.size() - at < length) return {1, 0, false};
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(k) & 0xC0) != 0x80) return {1, 0, false};
    code = (code << 6) | (byte(k) & 0x3F);
  }
  if (code < lowest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {1, 0, false};
  return {length, code, true};
}

// The case mapping of the C library's Unicode locale, which every system
// has; without it only ASCII letters change.
char32_t upperOf(char32_t code) {
  static const std::ctype<wchar_t>* const unicode = []() -> const std::ctype<wchar_t>* {
    try {
      static const std::locale locale("C.UTF-8");
      return &std::use_facet<std::ctype<wchar_t>>(locale);
    } catch (const std::runtime_error&) {
      return nullptr;
    }
  }();
  if (unicode) {
    const auto upper = static_cast<char32_t>(unicode->toupper(static_cast<wchar_t>(code)));
    return upper <= 0x10FFFF && (upper < 0xD800 || upper > 0xDFFF) ? upper : code;
  }
  return code >= 'a' && code <= 'z' ? code - 'a' + 'A' : code;
}

}  // namespace

std::string repeatedCharacters(const std::string& text, std::size_t count) {
  std::string result;
  if (text.empty()) return result;
  std::size_t at = 0;
  for (std::size_t k = 0; k < count; ++k) {
    if (at == text.size()) at = 0;
    const std::size_t length = characterAt(text, at).length;
    result.append(text, at, length);
    at += length;
  }
  return result;
}

std::size_t characterCount(const std::string& text) {
  std::size_t count = 0;
  for (std::size_t at = 0; at < text.size(); at += characterAt(text, at).length) ++count;
  return count;
}

std::string upperCase(const std::string& text) {
  std::string result;
  result.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const Character c = characterAt(text, at);
    if (c.valid) {
      appendUtf8(result, upperOf(c.code));
    } else {
      result += text[at];
    }
    at += c.length;
  }
  return result;
}

}  // namespace quillon
