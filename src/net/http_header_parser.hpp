#pragma once
// Reading the lines of a response header: the status line and the fields.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillon::net {

struct StatusLine {
  int code = 0;
  std::string text;
};

// "HTTP/1.0 200 OK" or "HTTP/1.1 404 Not Found"; nothing when the line is not a
// status line of those versions with a three-digit code.
std::optional<StatusLine> parseStatusLine(std::string_view line);

struct HeaderField {
  std::string name;   // lower case
  std::string value;  // without the blanks around it
};

// "Name: value"; nothing when the line holds no ":".
std::optional<HeaderField> parseHeaderField(std::string_view line);

// The decimal value of a "content-length" field; nothing when it is not a
// plain non-negative number that fits.
std::optional<std::int64_t> parseContentLength(std::string_view value);

}  // namespace quillon::net
