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
      {"http://www.example.test:8080/x", "", "/x Host:www.example.test -> www.example.test:8080"},
      {"www.example.test/x", "", "/x Host:www.example.test -> www.example.test:80"},
      {"http://www.example.test/x", "proxy.test", "http://www.example.test/x Host:www.example.test -> proxy.test:3128"},
      {"http://www.example.test:8080/x", "proxy.test:81",
       "http://www.example.test:8080/x Host:www.example.test -> proxy.test:81"},
      {"http://www.example.test", "http://proxy.test:82/",
       "http://www.example.test/ Host:www.example.test -> proxy.test:82"},
      {"ftp://files.test/pub/", "proxy.test", "ftp://files.test/pub/ Host:files.test -> proxy.test:3128"},
  };
  for (const auto& row : rows) EXPECT_EQ(described(targetOf(row.url, row.proxy, "3128")), row.want) << row.url;
}

std::string redirected(const std::string& from, const std::string& location, bool viaProxy) {
  const auto next = resolveRedirection(webLocationOf(parseURL(from)), location, viaProxy);
  if (const auto* refusal = std::get_if<std::string>(&next)) return "refused: " + *refusal;
  return std::get<WebLocation>(next).text();
}

TEST(Redirection, LeadsToTheAddressTheServerMeant) {
  const struct {
    const char* from;
    const char* location;
    bool viaProxy;
    const char* want;
  } rows[] = {
      {"http://h:81/a/b.htm", "/c.htm", false, "http://h:81/c.htm"},
      {"http://h:81/a/b.htm", "c.htm", false, "http://h:81/a/c.htm"},
      {"http://h/a/b.htm?x=/y", "../c.htm", false, "http://h/a/../c.htm"},
      {"http://h/a/b.htm?x=1", "?x=2", false, "http://h/a/b.htm?x=2"},
      {"http://h:81/a", "http://other/x", false, "http://other/x"},
      {"http://h:81/a", "http://other:82", false, "http://other:82/"},
      {"http://h/a", "//other/x", false, "http://other/x"},
      {"http://h:81/a", "http:/x", false, "http://h:81/x"},
      {"http://h/a", "https://h/a", false,
       "refused: can't follow the redirection to https://h/a: only http is supported"},
      {"http://h/a", "https://h/a", true, "https://h/a"},
      {"http://h/a", "mailto:x@y", false,
       "refused: can't follow the redirection to mailto:x@y: only http is supported"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(redirected(row.from, row.location, row.viaProxy), row.want) << row.from << " + " << row.location;
  }
}

}  // namespace
}  // namespace quillon::net
