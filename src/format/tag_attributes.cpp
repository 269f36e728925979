#include "format/tag_attributes.hpp"

#include <algorithm>

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool isStartTag(std::string_view tag) { return tag.size() >= 2 && tag[0] == '<' && tag[1] != '!'; }

std::size_t elementEnd(std::string_view tag) {
  std::size_t i = 1;
  while (i < tag.size() && !isSpace(tag[i]) && tag[i] != '>') ++i;
  return i;
}

}  // namespace

std::optional<std::string> ParsedTag::attribute(const std::string& name) const {
  const std::string wanted = lowerAscii(name);
  for (const auto& [key, value] : attributes) {
    if (key == wanted) return value;
  }
  return std::nullopt;
}

std::string_view tagElement(std::string_view tag) {
  return isStartTag(tag) ? tag.substr(1, elementEnd(tag) - 1) : std::string_view();
}

AttributeCursor::AttributeCursor(std::string_view tag) : tag_(tag), at_(isStartTag(tag) ? elementEnd(tag) : tag.size()) {}

bool AttributeCursor::next(std::string_view& name, std::string_view& value) {
  const std::string_view tag = tag_;
  const std::size_t n = tag.size();
  std::size_t i = at_;
  while (i < n && (isSpace(tag[i]) || tag[i] == '/')) ++i;
  if (i >= n || tag[i] == '>') {
    at_ = n;
    return false;
  }
  const std::size_t nameStart = i;
  while (i < n && !isSpace(tag[i]) && tag[i] != '=' && tag[i] != '>') ++i;
  name = tag.substr(nameStart, i - nameStart);
  while (i < n && isSpace(tag[i])) ++i;
  value = {};
  if (i < n && tag[i] == '=') {
    ++i;
    while (i < n && isSpace(tag[i])) ++i;
    if (i < n && (tag[i] == '"' || tag[i] == '\'')) {
      const char quote = tag[i++];
      const std::size_t close = std::min(tag.find(quote, i), n);
      value = tag.substr(i, close - i);
      i = close < n ? close + 1 : n;
    } else {
      const std::size_t valueStart = i;
      while (i < n && !isSpace(tag[i]) && tag[i] != '>') ++i;
      value = tag.substr(valueStart, i - valueStart);
    }
  }
  at_ = i;
  return true;
}

ParsedTag parseTag(const std::string& tag) {
  ParsedTag parsed;
  parsed.element = lowerAscii(std::string(tagElement(tag)));
  AttributeCursor cursor(tag);
  for (std::string_view name, value; cursor.next(name, value);) {
    parsed.attributes.emplace_back(lowerAscii(std::string(name)), std::string(value));
  }
  return parsed;
}

}  // namespace quillon
