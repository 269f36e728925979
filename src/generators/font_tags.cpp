#include "generators/font_tags.hpp"

#include "format/html_escape.hpp"

namespace quillon {

StyleTags styleTags(const PageFont& font) {
  if (font.strikeOut) return {};
  StyleTags tags;
  if (font.bold) tags.opening += "<B>";
  if (font.italic) tags.opening += "<I>";
  if (font.underline) tags.opening += "<U>";
  if (font.underline) tags.closing += "</U>";
  if (font.italic) tags.closing += "</I>";
  if (font.bold) tags.closing += "</B>";
  return tags;
}

int htmlFontSize(int pointSize) {
  if (pointSize >= 1 && pointSize <= 8) return 1;
  if (pointSize >= 9 && pointSize <= 10) return 2;
  if (pointSize >= 11 && pointSize <= 12) return 3;
  if (pointSize >= 13 && pointSize <= 18) return 4;
  if (pointSize >= 19 && pointSize <= 24) return 6;
  return 7;
}

std::string colorToHtml(Color color) {
  static const char* digits = "0123456789ABCDEF";
  std::string text = "#";
  for (int shift : {0, 8, 16}) {
    const unsigned part = (color >> shift) & 0xFFu;
    text += digits[part >> 4];
    text += digits[part & 0xFu];
  }
  return text;
}

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::optional<Color> readHtmlColor(const std::string& text) {
  // Characters 2-3, 4-5 and 6-7 are the parts; whatever stands first is skipped.
  if (text.size() < 7) return std::nullopt;
  Color color = 0;
  for (int part = 0; part < 3; ++part) {
    const int high = hexDigit(text[static_cast<std::size_t>(1 + 2 * part)]);
    const int low = hexDigit(text[static_cast<std::size_t>(2 + 2 * part)]);
    if (high < 0 || low < 0) return std::nullopt;
    color |= static_cast<Color>(high * 16 + low) << (8 * part);
  }
  return color;
}

Color htmlToColor(const std::string& text) { return readHtmlColor(text).value_or(kBlack); }

StyleTags fontWrapping(const PageFont& font) {
  const StyleTags tags = styleTags(font);
  return {tags.opening + "<font face=\"" + escapeHtmlAttribute(font.face) + "\" size=\"" +
              std::to_string(htmlFontSize(font.size)) + "\" color=\"" + colorToHtml(font.color) + "\">",
          "</font>" + tags.closing};
}

std::string fontWrap(const std::string& html, const PageFont& font) {
  const StyleTags tags = fontWrapping(font);
  return tags.opening + html + tags.closing;
}

}  // namespace quillon
