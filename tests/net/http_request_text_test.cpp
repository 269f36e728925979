#include "net/http_request_text.hpp"

#include <gtest/gtest.h>

#include "net/base64.hpp"

namespace quillon::net {
namespace {

TEST(Base64, StandardAlphabetWithPadding) {
  const struct {
    const char* bytes;
    const char* want;
  } rows[] = {
      {"", ""},
      {"f", "Zg=="},
      {"fo", "Zm8="},
      {"foo", "Zm9v"},
      {"foob", "Zm9vYg=="},
      {"fooba", "Zm9vYmE="},
      {"foobar", "Zm9vYmFy"},
      {"\xff\xfe\xfd", "//79"},
  };
  for (const auto& row : rows) EXPECT_EQ(base64Encode(row.bytes), row.want) << row.bytes;
}

TEST(HttpDate, WeekdayDayMonthYearAndTime) {
  using namespace std::chrono;
  const struct {
    sys_seconds time;
    const char* want;
  } rows[] = {
      {sys_days{1994y / November / 6} + 8h + 49min + 37s, "Sun, 06 Nov 1994 08:49:37"},
      {sys_days{2000y / February / 29}, "Tue, 29 Feb 2000 00:00:00"},
      {sys_days{1970y / January / 1}, "Thu, 01 Jan 1970 00:00:00"},
      {sys_days{2038y / January / 19} + 3h + 14min + 8s, "Tue, 19 Jan 2038 03:14:08"},
      {sys_days{1899y / December / 31} + 23h + 59min + 59s, "Sun, 31 Dec 1899 23:59:59"},
  };
  for (const auto& row : rows) EXPECT_EQ(formatHttpDate(row.time), row.want);
}

TEST(RequestLines, PostNamesItsTypeAndLength) {
  RequestHeaderInput input;
  input.method = "POST";
  input.requestPath = "/form";
  input.hostName = "h";
  input.contentTypePost = "text/plain";
  input.postLength = 12;
  const std::vector<std::string> want = {"POST /form HTTP/1.0", "Content-Type: text/plain", "Host: h",
                                         "Content-Length: 12", ""};
  EXPECT_EQ(requestLines(input), want);
  input.contentTypePost.clear();
  EXPECT_EQ(requestLines(input).size(), want.size() - 1);
}

}  // namespace
}  // namespace quillon::net
