#include "net/http_header_parser.hpp"

#include <charconv>

#include "net/ascii.hpp"

namespace quillon::net {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimBlanks(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

std::optional<StatusLine> parseStatusLine(std::string_view line) {
  if (!line.starts_with("HTTP/1.0") && !line.starts_with("HTTP/1.1")) return std::nullopt;
  // "HTTP/1.x " then the code in the next three characters, then " reason".
  if (line.size() < 12 || line[8] != ' ') return std::nullopt;
  if (!isDigit(line[9]) || !isDigit(line[10]) || !isDigit(line[11])) return std::nullopt;
  if (line.size() > 12 && line[12] != ' ') return std::nullopt;
  StatusLine status;
  status.code = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
  if (line.size() > 13) status.text = line.substr(13);
  return status;
}

std::optional<HeaderField> parseHeaderField(std::string_view line) {
  const auto colon = line.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  return HeaderField{lowerAscii(line.substr(0, colon)), std::string(trimBlanks(line.substr(colon + 1)))};
}

std::optional<std::int64_t> parseContentLength(std::string_view value) {
  if (value.empty()) return std::nullopt;
  std::int64_t length = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), length);
  if (error != std::errc() || end != value.data() + value.size() || length < 0) return std::nullopt;
  return length;
}

}  // namespace quillon::net
