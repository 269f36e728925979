// The indexer's address rules, including the simplifications they keep.
#include "indexer/url_rules.hpp"

#include <gtest/gtest.h>

namespace quillon {
namespace {

constexpr CrawlMode kWeb = CrawlMode::Internet;
constexpr CrawlMode kLocal = CrawlMode::Local;

struct Resolution {
  CrawlMode mode;
  const char* codebase;
  const char* page;
  const char* link;
  const char* want;
};

TEST(UrlRules, ResolvesLinksAgainstThePage) {
  const Resolution rows[] = {
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "b.htm", "http://host/dir/b.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "sub/c.htm", "http://host/dir/sub/c.htm"},
      // A leading "/" is taken relative to the page's folder, not the host root.
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "/d.htm", "http://host/dir/d.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "../e.htm", "http://host/e.htm"},
      {kWeb, "http://host/dir", "http://host/a/b/c.htm", "../../f.htm", "http://host/f.htm"},
      {kWeb, "http://host", "http://host", "g.htm", "http://host/g.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "mailto:me@host", "mailto:me@host"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "FTP://files/x.zip", "FTP://files/x.zip"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "http://other/x.htm", "http://other/x.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "", ""},
      // Only "http://" in lower case marks a bare host; the capitals cut after the slashes.
      {kWeb, "HTTP://host", "HTTP://host", "g.htm", "HTTP://g.htm"},
      // The "../" is counted, but the first three characters go: "a/." here.
      {kWeb, "http://host/dir", "http://host/dir/sub/p.htm", "a/../b.htm", "http://host/dir/./b.htm"},
      // More "../" than folders: the site folder is the fallback.
      {kWeb, "http://host/dir", "p.htm", "../x.htm", "http://host/dir/../x.htm"},
      {kWeb, "http://host/dir", "p.htm", "x.htm", "http://host/dir/x.htm"},
      // Windows-style local paths keep "\" separators.
      {kLocal, "C:\\site", "C:\\site\\index.htm", "sub/p.htm", "C:\\site\\sub\\p.htm"},
      {kLocal, "C:\\site", "C:\\site\\sub\\p.htm", "../q.htm", "C:\\site\\q.htm"},
      {kLocal, "C:\\site", "C:\\site\\sub\\p.htm", "../x/r.htm", "C:\\site\\x\\r.htm"},
      {kLocal, "C:\\site", "C:\\site\\index.htm", "http://host/x.htm", "http://host/x.htm"},
      // POSIX sites keep "/", and a "\" in a link is a separator.
      {kLocal, "/site", "/site/index.htm", "sub/p.htm", "/site/sub/p.htm"},
      {kLocal, "/site", "/site/sub/p.htm", "../q.htm", "/site/q.htm"},
      {kLocal, "/site", "/site/sub/p.htm", "..\\x\\r.htm", "/site/x/r.htm"},
      {kLocal, "/site", "/site/index.htm", "./a.htm", "/site/./a.htm"},
  };
  for (const Resolution& row : rows) {
    EXPECT_EQ(relativeToAbsoluteURL(row.mode, row.codebase, row.page, row.link), row.want)
        << row.page << " + " << row.link;
  }
}

TEST(UrlRules, SiteFolders) {
  const std::pair<const char*, const char*> web[] = {
      {"http://host/dir/main.html", "http://host/dir"},
      {"http://host/dir/", "http://host"},
      {"http://host", "http://host"},
      {"http://host/", "http://host/"},
      {"host", "host"},
      {"", ""},
  };
  for (const auto& [address, want] : web) EXPECT_EQ(getCodebase(kWeb, address), want) << address;
  const std::pair<const char*, const char*> local[] = {
      {"C:\\site\\index.htm", "C:\\site"},
      {"C:\\index.htm", "C:\\"},
      {"C:index.htm", "C:"},
      {"\\\\server\\share\\x.htm", "\\\\server\\share"},
      {"/home/web/site/index.htm", "/home/web/site"},
      {"/index.htm", "/"},
      {"index.htm", ""},
      // A ":" means nothing in a POSIX path.
      {"/home/a:b/index.htm", "/home/a:b"},
  };
  for (const auto& [path, want] : local) EXPECT_EQ(getCodebase(kLocal, path), want) << path;
}

TEST(UrlRules, ExternalLinks) {
  struct Row {
    CrawlMode mode;
    const char* codebase;
    const char* address;
    bool external;
  } rows[] = {
      {kWeb, "http://host/dir", "http://host/dir/x.htm", false},
      // Containment, not a folder test.
      {kWeb, "http://host/dir", "http://host/dir2/x.htm", false},
      {kWeb, "http://host/dir", "HTTP://HOST/DIR/x.htm", false},
      {kWeb, "http://host/dir", "http://host/x.htm", true},
      {kWeb, "http://host/dir", "https://host/dir/x.htm", true},
      {kWeb, "http://host/dir", "mailto:x@host/dir", true},
      {kWeb, "http://host/dir", "http://host/dir/news:x", true},
      {kWeb, "", "http://host/dir/x.htm", true},
      {kLocal, "/site", "/site/x.htm", false},
      {kLocal, "/site", "http://x/site/x.htm", true},
      {kLocal, "/site", "/other/x.htm", true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(isExternalLink(row.mode, row.codebase, row.address), row.external) << row.address;
  }
}

TEST(UrlRules, NamesAndBookmarks) {
  const std::pair<std::string, std::string> rows[] = {
      {trimBookMark("a.htm#top"), "a.htm"},
      {trimBookMark("#top"), "#top"},
      {trimBookMark("a.htm"), "a.htm"},
      {getFileName(kWeb, "http://host/dir/page.htm"), "page.htm"},
      {getFileName(kWeb, "http://host/dir/"), ""},
      {getFileName(kWeb, "mailto:me@host"), "mailto:me@host"},
      {getFileName(kLocal, "C:\\site\\docs\\a.htm"), "a.htm"},
      {getFileName(kLocal, "/site/docs/a.htm"), "a.htm"},
      {getFileName(kLocal, "/site/a:b.htm"), "a:b.htm"},
      {linkFileName("http://host/dir/page.htm#part"), "page.htm"},
      {linkFileName("mailto:me@host"), "me@host"},
      {linkFileName("sub\\p.htm"), "p.htm"},
      {afterLastBackslashOrColon("http://other/pic.gif"), "//other/pic.gif"},
      {afterLastBackslashOrColon("sub/pic.gif"), "sub/pic.gif"},
  };
  for (const auto& [got, want] : rows) EXPECT_EQ(got, want);
}

TEST(UrlRules, PagesAreKnownByTheirExtension) {
  for (const char* page : {"page.html", "page.htm#top", "list.asp?id=1", "a.htm/b", "RUN.CGI", "q.idc"}) {
    EXPECT_TRUE(isHTMLFile(page)) << page;
  }
  for (const char* other : {"index.php", "picture.gif", "http://host/dir/", "htm"}) {
    EXPECT_FALSE(isHTMLFile(other)) << other;
  }
}

}  // namespace
}  // namespace quillon
