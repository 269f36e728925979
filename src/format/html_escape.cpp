#include "format/html_escape.hpp"

#include <algorithm>
#include <optional>
#include <string_view>

#include "format/byte_kinds.hpp"

namespace quillon {

namespace {

// The reference each byte is written as in an attribute; none for most.
struct AttributeReferences {
  const char* of[256] = {};
  AttributeReferences() {
    of[static_cast<unsigned char>('&')] = "&amp;";
    of[static_cast<unsigned char>('"')] = "&quot;";
    of[static_cast<unsigned char>('<')] = "&lt;";
    of[static_cast<unsigned char>('>')] = "&gt;";
    of[static_cast<unsigned char>('\r')] = "&#13;";
    of[static_cast<unsigned char>('\n')] = "&#10;";
  }
};
const AttributeReferences kAttributeReferences;

}  // namespace

void appendHtmlAttribute(std::string& out, std::string_view text) {
  if ((byteKindsIn(text) & (kLineBreakByte | kMarkupByte)) == 0) {
    out.append(text);
    return;
  }
  std::size_t run = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char* reference = kAttributeReferences.of[static_cast<unsigned char>(text[i])];
    if (!reference) continue;
    out.append(text.data() + run, i - run);
    out += reference;
    run = i + 1;
  }
  out.append(text.data() + run, text.size() - run);
}

std::string escapeHtmlAttribute(const std::string& text) {
  std::string escaped;
  escaped.reserve(text.size());
  appendHtmlAttribute(escaped, text);
  return escaped;
}

void appendUtf8(std::string& out, unsigned long code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

namespace {

// The code point of "#38" or "#x26", or nothing when it is no valid character.
std::optional<unsigned long> numericReference(std::string_view body) {
  if (body.size() < 2 || body[0] != '#') return std::nullopt;
  const bool hex = body[1] == 'x' || body[1] == 'X';
  const std::string_view digits = body.substr(hex ? 2 : 1);
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  unsigned long code = 0;
  for (char c : digits) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (hex && c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (hex && c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else return std::nullopt;
    code = code * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
  }
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return std::nullopt;
  return code;
}

}  // namespace

std::string decodeCharacterReferences(std::string_view text) {
  std::string decoded;
  decoded.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    // The text up to the next "&" stands as it is.
    const std::size_t ampersand = std::min(text.find('&', i), text.size());
    decoded.append(text, i, ampersand - i);
    i = ampersand;
    if (i == text.size()) break;
    // A reference ends within 12 characters; looking further for its ";" would
    // make a value full of "&" quadratic.
    const std::size_t reach = text.substr(i + 1, 12).find(';');
    if (reach == std::string_view::npos) {
      decoded += text[i++];
      continue;
    }
    const std::size_t semicolon = i + 1 + reach;
    const std::string_view body = text.substr(i + 1, semicolon - i - 1);
    if (body == "amp") decoded += '&';
    else if (body == "quot") decoded += '"';
    else if (body == "lt") decoded += '<';
    else if (body == "gt") decoded += '>';
    else if (body == "apos") decoded += '\'';
    else if (auto code = numericReference(body)) appendUtf8(decoded, *code);
    else {
      decoded += text[i++];
      continue;
    }
    i = semicolon + 1;
  }
  return decoded;
}

}  // namespace quillon
