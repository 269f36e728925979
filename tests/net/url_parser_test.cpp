#include "net/url_parser.hpp"

#include <gtest/gtest.h>

namespace quillon::net {
namespace {

std::string parts(const ParsedURL& url) {
  return "[" + url.scheme + "|" + url.user + "|" + url.password + "|" + url.host + "|" + url.port + "|" + url.path +
         "]";
}

TEST(ParseURL, SplitsEveryForm) {
  const struct {
    const char* url;
    const char* want;  // [scheme|user|password|host|port|path]
  } rows[] = {
      {"http://www.example.test/dir/page.htm", "[http|||www.example.test||/dir/page.htm]"},
      {"http://www.example.test", "[http|||www.example.test||]"},
      {"http://user:pw@host:8080/x?q=1", "[http|user|pw|host|8080|/x?q=1]"},
      {"http://a@b@host/x", "[http|a@b||host||/x]"},
      {"http://user@host", "[http|user||host||]"},
      {"ftp://files.example.test:21/pub/", "[ftp|||files.example.test|21|/pub/]"},
      {"HTTP://Host/", "[HTTP|||Host||/]"},
      {"/dir/page.htm", "[http|||||/dir/page.htm]"},
      {"/", "[http|||||/]"},
      {"//host:81/x", "[http|||host|81|/x]"},
      {"http:/x", "[http|||||/x]"},
      {"HTTP:page.htm", "[http|||||page.htm]"},
      {"http:", "[http|||||]"},
      {"mailto:someone@example.test", "[mailto|someone||example.test||]"},
      {"proxy.example.test:3128", "[|||proxy.example.test|3128|]"},
      {"www.example.test/dir", "[|||www.example.test||/dir]"},
      {"page.htm", "[|||page.htm||]"},
      {"", "[|||||]"},
      {"http://[::1]:8080/x", "[http|||[::1]|8080|/x]"},
      {"http://[fe80::1]/", "[http|||[fe80::1]||/]"},
      {"http://host?q=1", "[http|||host||?q=1]"},
      {"http://host#top", "[http|||host||#top]"},
  };
  for (const auto& row : rows) EXPECT_EQ(parts(parseURL(row.url)), row.want) << row.url;
}

}  // namespace
}  // namespace quillon::net
