#pragma once
// The fonts and colours of generated pages, written as the old-style tags
// that the generated pages carry: <B><I><U> around <font face size color>.
#include <optional>
#include <string>

#include "model/applet_settings.hpp"

namespace quillon {

inline constexpr Color kPurple = 0x800080;

struct PageFont {
  std::string face;
  int size = 10;  // points
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  Color color = kBlack;

  bool operator==(const PageFont&) const = default;
};

struct StyleTags {
  std::string opening;
  std::string closing;
};

// <B>, <I> and <U> for the font's style; none for no style or any style with strike-out.
StyleTags styleTags(const PageFont& font);

// The HTML font size 1 to 7 for a point size; 5 is never produced.
int htmlFontSize(int pointSize);

// "#RRGGBB" in upper-case hexadecimal.
std::string colorToHtml(Color color);
// Reads "#RRGGBB"; nothing when the text is not of that form.
std::optional<Color> readHtmlColor(const std::string& text);
// Reads "#RRGGBB"; black when the text is not of that form.
Color htmlToColor(const std::string& text);

// html inside the font's tags. The text is HTML already: callers escape plain text first.
std::string fontWrap(const std::string& html, const PageFont& font);
// The tags fontWrap puts before and after, made once for many texts.
StyleTags fontWrapping(const PageFont& font);

}  // namespace quillon
