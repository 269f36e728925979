#include "format/tag_attributes.hpp"

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

}  // namespace

std::optional<std::string> ParsedTag::attribute(const std::string& name) const {
  const std::string wanted = lowerAscii(name);
  for (const auto& [key, value] : attributes) {
    if (key == wanted) return value;
  }
  return std::nullopt;
}

ParsedTag parseTag(const std::string& tag) {
  ParsedTag parsed;
  std::size_t i = 0;
  const std::size_t n = tag.size();
  if (n < 2 || tag[0] != '<' || tag[1] == '!') return parsed;
  i = 1;
  const std::size_t nameStart = i;
  while (i < n && !isSpace(tag[i]) && tag[i] != '>') ++i;
  parsed.element = lowerAscii(tag.substr(nameStart, i - nameStart));
  for (;;) {
    while (i < n && (isSpace(tag[i]) || tag[i] == '/')) ++i;
    if (i >= n || tag[i] == '>') break;
    const std::size_t keyStart = i;
    while (i < n && !isSpace(tag[i]) && tag[i] != '=' && tag[i] != '>') ++i;
    std::string key = lowerAscii(tag.substr(keyStart, i - keyStart));
    while (i < n && isSpace(tag[i])) ++i;
    std::string value;
    if (i < n && tag[i] == '=') {
      ++i;
      while (i < n && isSpace(tag[i])) ++i;
      if (i < n && (tag[i] == '"' || tag[i] == '\'')) {
        const char quote = tag[i++];
        const std::size_t valueStart = i;
        while (i < n && tag[i] != quote) ++i;
        value = tag.substr(valueStart, i - valueStart);
        if (i < n) ++i;
      } else {
        const std::size_t valueStart = i;
        while (i < n && !isSpace(tag[i]) && tag[i] != '>') ++i;
        value = tag.substr(valueStart, i - valueStart);
      }
    }
    parsed.attributes.emplace_back(std::move(key), std::move(value));
  }
  return parsed;
}

}  // namespace quillon
