#pragma once
// The small library of text functions with which all HTML is read and all
// paths are related. Positions are 1-based and 0 means "not found"; substring
// extraction clamps instead of failing. Texts are bytes; case folding touches
// ASCII letters only, so UTF-8 pages pass through unchanged.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

using StringList = std::vector<std::string>;

// Raised by rgbTextToColor for an item that is no integer.
struct ConversionError : std::runtime_error {
  using std::runtime_error::runtime_error;
};
// Raised by rgbTextToColor for fewer than three items.
struct ListIndexError : std::out_of_range {
  using std::out_of_range::out_of_range;
};

// Lower-cases ASCII letters only.
std::string lowerAscii(std::string text);
// Equal when only ASCII letter case differs.
// Inline: the reader asks it for every tag and parameter name.
inline bool equalsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i] && ((a[i] | 0x20) != (b[i] | 0x20) || (a[i] | 0x20) < 'a' || (a[i] | 0x20) > 'z')) return false;
  }
  return true;
}
inline bool startsWithNoCase(std::string_view text, std::string_view prefix) {
  return prefix.size() <= text.size() && equalsNoCase(text.substr(0, prefix.size()), prefix);
}
// Removes leading and trailing characters with codes up to 32.
std::string trim(const std::string& text);
// Inline: the reader trims every piece of every node entry.
inline std::string_view trimView(std::string_view text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  return text.substr(first, last - first);
}

int splitString(const std::string& text, const std::string& delimiter, StringList& list);
std::string getTagValue(const std::string& tag, const std::string& name);
int extractTags(const std::string& html, StringList& list);
// Where extractTags finds its items: [begin, end) in the text; an empty item
// (a stray ">") is an empty span at that ">".
struct TagSpan {
  std::size_t begin;
  std::size_t end;
  bool empty() const { return begin == end; }
};
std::vector<TagSpan> tagSpans(const std::string& html);
// The same spans one at a time, so that a reader can stop where it likes and
// keeps no list: next() gives the following span, false at the end.
class TagCursor {
 public:
  explicit TagCursor(std::string_view html) : html_(html) {}
  bool next(TagSpan& span);

 private:
  std::string_view html_;
  std::size_t from_ = 0;
  std::size_t open_ = std::string_view::npos;  // the next "<", once found
  bool done_ = false;
};
// The item of a span as extractTags lists it: CR LF pairs become blanks.
std::string tagText(std::string_view html, const TagSpan& span);
int posNoCase(const std::string& sought, const std::string& text);
int findPattern(const std::string& sought, const std::string& text);
int reversePos(int start, const std::string& text, const std::string& sought);
std::string replaceAll(const std::string& text, const std::string& oldText, const std::string& newText,
                       bool caseSensitive);

std::string midStr(const std::string& text, int start, int count);
std::string leftStr(const std::string& text, int count);
std::string rightStr(const std::string& text, int count);
std::string dropRight(const std::string& text, int count);
std::string removePrefix(const std::string& text, const std::string& prefix);
std::string removeSuffix(const std::string& text, const std::string& suffix);
std::string removeAround(const std::string& text, const std::string& mark);
std::string stripQuotes(const std::string& text);
bool isTrueText(const std::string& text);

std::string joinPath(const std::string& dir, const std::string& name);
std::string relativePath(const std::string& base, const std::string& target);
std::string absolutePath(const std::string& base, const std::string& reference);
bool isLocalPath(const std::string& text);
std::string localPathToFileURL(const std::string& text);

// Colours are 0x00BBGGRR.
std::string colorToRGBText(std::uint32_t color);
std::uint32_t rgbTextToColor(const std::string& text);

// Path pieces used throughout: the folder (up to and including the last
// "/" or "\"; empty when there is none) and the file name after it.
std::string extractFilePath(const std::string& path);
std::string extractFileName(const std::string& path);

}  // namespace quillon
