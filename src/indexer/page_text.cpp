#include "indexer/page_text.hpp"

#include <charconv>
#include <string_view>

#include "format/html_escape.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

// The length of the UTF-8 sequence starting at `at`, or 1 for a byte that does not start one.
std::size_t characterLength(const std::string& text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  const std::size_t length = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
  if (length == 1 || at + length > text.size()) return 1;
  for (std::size_t i = 1; i < length; ++i) {
    if ((static_cast<unsigned char>(text[at + i]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

bool isBaseTag(const std::string& tag) {
  return tag.size() > 5 && equalsNoCase(tag.substr(0, 5), "<base") &&
         std::string_view(" \t\r\n>/").find(tag[5]) != std::string_view::npos;
}

void addLink(std::string value, std::vector<std::string>& links) {
  value = decodeCharacterReferences(value);
  if (value.empty() || value.front() == '#') return;
  if (value.starts_with("./")) value.erase(0, 2);
  links.push_back(std::move(value));
}

}  // namespace

std::optional<std::string> pageTextFromBytes(const std::string& bytes) {
  if (bytes.empty()) return std::nullopt;
  std::string text;
  text.reserve(bytes.size() + bytes.size() / 16);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      text += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    // The break after the last line separates nothing.
    if (i + 1 < bytes.size()) text += "\r\n";
  }
  return text;
}

std::vector<std::string> getHREFLinks(const std::string& pageText) {
  std::vector<std::string> links;
  StringList tags;
  extractTags(pageText, tags);
  for (const std::string& tag : tags) {
    // The base of the page's links is no link itself.
    if (isBaseTag(tag)) continue;
    addLink(getTagValue(tag, "HREF"), links);
    if (posNoCase("<FRAME", tag) != 0) addLink(getTagValue(tag, "SRC"), links);
  }
  return links;
}

std::string getBaseHref(const std::string& pageText) {
  StringList tags;
  extractTags(pageText, tags);
  for (const std::string& tag : tags) {
    if (!isBaseTag(tag)) continue;
    const std::string href = decodeCharacterReferences(getTagValue(tag, "HREF"));
    if (!href.empty()) return href;
  }
  return {};
}

std::string getHTMLTitle(const std::string& pageText) {
  const std::string lower = lowerAscii(pageText);
  const std::size_t open = lower.find("<title>");
  const std::size_t close = lower.find("</title>");
  if (open == std::string::npos || close == std::string::npos) return {};
  const std::size_t begin = open + 7;
  return close > begin ? pageText.substr(begin, close - begin) : std::string();
}

std::string leadingCharacters(const std::string& text, long long count) {
  std::size_t end = 0;
  for (long long taken = 0; taken < count && end < text.size(); ++taken) end += characterLength(text, end);
  return text.substr(0, end);
}

std::optional<long long> parseWholeNumber(const std::string& text) {
  std::size_t from = text.find_first_not_of(' ');
  if (from == std::string::npos) return std::nullopt;
  // A sign of its own, not one the number parser would take a second time.
  if (text[from] == '+' && from + 1 < text.size() && text[from + 1] != '-') ++from;
  long long value = 0;
  const char* first = text.data() + from;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last) return std::nullopt;
  return value;
}

}  // namespace quillon
