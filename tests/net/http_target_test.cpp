#include "net/http_target.hpp"

#include <gtest/gtest.h>

#include "net/document_name.hpp"

namespace quillon::net {
namespace {

TEST(DocumentName, ComesFromTheLastPartOfThePath) {
  const struct {
    const char* path;
    const char* want;
  } rows[] = {
      {"", "document.htm"}, {"/", "document.htm"},         {"/page.htm", "page.htm"}, {"/dir/list.cgi?x=1", "list.cgi"},
      {"/dir/", "dir"},     {"/a/b/c.htm?next=/d/e", "e"}, {"/?x=1", "document.htm"}, {"//", "document.htm"},
  };
  for (const auto& row : rows) EXPECT_EQ(documentName(row.path), row.want) << row.path;
  EXPECT_EQ(documentName("/" + std::string(300, 'n')), std::string(255, 'n'));
}

TEST(DocumentName, AProgramAnsweringHtmlBecomesAPage) {
  EXPECT_EQ(documentNameForType("run.exe", "text/html"), "run.htm");
  EXPECT_EQ(documentNameForType("RUN.EXE", "text/html; charset=utf-8"), "RUN.htm");
  EXPECT_EQ(documentNameForType("run.exe", "application/octet-stream"), "run.exe");
  EXPECT_EQ(documentNameForType("page.cgi", "text/html"), "page.cgi");
  EXPECT_EQ(documentNameForType("exe", "text/html"), "exe");
}

RequestTarget targetOf(const std::string& url, const std::string& proxy, const std::string& proxyPort = "80") {
  return requestTargetFor(webLocationOf(parseURL(url)), proxySettingOf(proxy, proxyPort));
}

std::string described(const RequestTarget& target) {
  return target.requestPath + " Host:" + target.hostName + " -> " + target.connectHost + ":" + target.connectPort;
}

TEST(RequestTarget, DirectOrThroughAProxy) {
  const struct {
    const char* url;
    const char* proxy;
    const char* want;
  } rows[] = {
      {"http://www.example.test", "", "/ Host:www.example.test -> www.example.test:80"},
      {"http://www.example.test:8080/x", "", "/x Host:www.example.test:8080 -> www.example.test:8080"},
      {"http://www.example.test:80/x", "", "/x Host:www.example.test -> www.example.test:80"},
      {"https://www.example.test/x", "", "/x Host:www.example.test -> www.example.test:443"},
      {"https://www.example.test:8443/x", "", "/x Host:www.example.test:8443 -> www.example.test:8443"},
      {"http://[::1]:8080/x#top", "", "/x Host:[::1]:8080 -> ::1:8080"},
      {"http://h/a b/%41%/\xc3\xa9?q=\"x\"", "", "/a%20b/%41%25/%C3%A9?q=%22x%22 Host:h -> h:80"},
      {"www.example.test/x", "", "/x Host:www.example.test -> www.example.test:80"},
      {"http://www.example.test/x", "proxy.test", "http://www.example.test/x Host:www.example.test -> proxy.test:3128"},
      {"http://www.example.test:8080/x", "proxy.test:81",
       "http://www.example.test:8080/x Host:www.example.test:8080 -> proxy.test:81"},
      {"https://www.example.test/x", "proxy.test", "/x Host:www.example.test -> proxy.test:3128"},
      {"http://www.example.test", "http://proxy.test:82/",
       "http://www.example.test/ Host:www.example.test -> proxy.test:82"},
      {"ftp://files.test/pub/", "proxy.test", "ftp://files.test/pub/ Host:files.test -> proxy.test:3128"},
  };
  for (const auto& row : rows) EXPECT_EQ(described(targetOf(row.url, row.proxy, "3128")), row.want) << row.url;
}

std::string redirected(const std::string& from, const std::string& location) {
  const auto next = resolveRedirection(webLocationOf(parseURL(from)), location);
  if (const auto* refusal = std::get_if<std::string>(&next)) return "refused: " + *refusal;
  return std::get<WebLocation>(next).text();
}

TEST(Redirection, LeadsToTheAddressTheServerMeant) {
  const struct {
    const char* from;
    const char* location;
    const char* want;
  } rows[] = {
      {"http://h:81/a/b.htm", "/c.htm", "http://h:81/c.htm"},
      {"http://h:81/a/b.htm", "c.htm", "http://h:81/a/c.htm"},
      {"http://h/a/b.htm?x=/y", "../c.htm", "http://h/c.htm"},
      {"http://h/a/b.htm", "../../../../escape.htm", "http://h/escape.htm"},
      {"http://h/a/b.htm?x=1", "?x=2", "http://h/a/b.htm?x=2"},
      {"http://h/a/b.htm", "c d.htm#part", "http://h/a/c%20d.htm"},
      {"http://h:81/a", "http://other/x", "http://other/x"},
      {"http://h:81/a", "http://other:82", "http://other:82/"},
      {"http://h/a", "//other/x", "http://other/x"},
      {"https://h/a", "//other/x", "https://other/x"},
      {"http://h:81/a", "http:/x", "http://h:81/x"},
      {"http://h/a", "HTTPS://h/a", "https://h/a"},
      {"https://h:8443/a", "http://h/b", "http://h/b"},
      {"http://h/a", "//[::1]:8080/v6", "http://[::1]:8080/v6"},
      {"http://h/a", "file:///etc/passwd",
       "refused: can't follow the redirection to file:///etc/passwd: only http and https are supported"},
      {"http://h/a", "mailto:x@y",
       "refused: can't follow the redirection to mailto:x@y: only http and https are supported"},
      {"http://h/a", "javascript:alert(1)",
       "refused: can't follow the redirection to javascript:alert(1): only http and https are supported"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(redirected(row.from, row.location), row.want) << row.from << " + " << row.location;
  }
}

}  // namespace
}  // namespace quillon::net
