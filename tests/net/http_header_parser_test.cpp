#include "net/http_header_parser.hpp"

#include <gtest/gtest.h>

namespace quillon::net {
namespace {

std::string status(const char* line) {
  const auto parsed = parseStatusLine(line);
  return parsed ? std::to_string(parsed->code) + "|" + parsed->text : "none";
}

TEST(StatusLine, OnlyAWellFormedLineCounts) {
  const struct {
    const char* line;
    const char* want;
  } rows[] = {
      {"HTTP/1.0 200 OK", "200|OK"},
      {"HTTP/1.1 404 Not Found", "404|Not Found"},
      {"HTTP/1.1 302", "302|"},
      {"HTTP/1.1 302 ", "302|"},
      {"HTTP/1.1 200  two blanks", "200| two blanks"},
      {"HTTP/1.1 2x0 OK", "none"},
      {"HTTP/1.1 20 OK", "none"},
      {"HTTP/1.1 2000 OK", "none"},
      {"HTTP/1.1  200 OK", "none"},
      {"HTTP/2 200 OK", "none"},
      {"http/1.1 200 OK", "none"},
      {"Content-Type: text/html", "none"},
      {"", "none"},
  };
  for (const auto& row : rows) EXPECT_EQ(status(row.line), row.want) << row.line;
}

std::string field(const char* line) {
  const auto parsed = parseHeaderField(line);
  return parsed ? "[" + parsed->name + "][" + parsed->value + "]" : "none";
}

TEST(HeaderField, NameFoldedValueWithoutBlanks) {
  const struct {
    const char* line;
    const char* want;
  } rows[] = {
      {"Content-Type: text/html", "[content-type][text/html]"},
      {"Content-Type:text/html", "[content-type][text/html]"},
      {"Location:\t /x  ", "[location][/x]"},
      {"X-Empty:", "[x-empty][]"},
      {"Refresh: 5; url=http://h:81/x", "[refresh][5; url=http://h:81/x]"},
      {"no colon here", "none"},
  };
  for (const auto& row : rows) EXPECT_EQ(field(row.line), row.want) << row.line;
}

TEST(HeaderField, ContentLengthIsAPlainNumber) {
  EXPECT_EQ(parseContentLength("1234"), 1234);
  EXPECT_EQ(parseContentLength("0"), 0);
  for (const char* bad : {"", "-1", "12a", "0x10", " 5", "99999999999999999999"}) {
    EXPECT_EQ(parseContentLength(bad), std::nullopt) << bad;
  }
}

}  // namespace
}  // namespace quillon::net
