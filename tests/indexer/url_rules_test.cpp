// The indexer's address rules: web addresses by the standard reference rules,
// paths on disk joined to the page's folder.
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
      // A leading "/" starts at the host's root, "//" names the host.
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "/d.htm", "http://host/d.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "//other:81/x.htm", "http://other:81/x.htm"},
      {kWeb, "https://host/", "https://host/dir/a.htm", "//other/x.htm", "https://other/x.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "../e.htm", "http://host/e.htm"},
      {kWeb, "http://host/dir", "http://host/a/b/c.htm", "../../f.htm", "http://host/f.htm"},
      {kWeb, "http://host", "http://host", "g.htm", "http://host/g.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "mailto:me@host", "mailto:me@host"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "FTP://files/x.zip", "FTP://files/x.zip"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "http://other/x.htm", "http://other/x.htm"},
      {kWeb, "http://host/dir", "http://host/dir/a.htm", "", ""},
      // Scheme and host in any case, dot segments anywhere, more ".." than folders.
      {kWeb, "HTTP://host", "HTTP://Host", "g.htm", "http://host/g.htm"},
      {kWeb, "http://host/dir", "http://host/dir/sub/p.htm", "a/../b.htm", "http://host/dir/sub/b.htm"},
      {kWeb, "http://host/dir", "http://host/dir/p.htm", "../../../../x.htm", "http://host/x.htm"},
      {kWeb, "http://host/dir/", "http://host/dir/p.htm", "./sub/./q.htm", "http://host/dir/sub/q.htm"},
      // The bookmark stays for the node; a query alone keeps the page's path.
      {kWeb, "http://host/dir/", "http://host/dir/p.htm?a=1", "?b=2#top", "http://host/dir/p.htm?b=2#top"},
      {kWeb, "http://host/dir/", "http://host/dir/p.htm?a=1", "#top", "http://host/dir/p.htm?a=1#top"},
      // The default port goes, blanks and bytes beyond ASCII are encoded, "%" stays.
      {kWeb, "http://host/", "http://host:80/", "a b/\xC3\xA9.htm", "http://host/a%20b/%C3%A9.htm"},
      {kWeb, "https://host/", "https://host:443/", "x%20y.htm", "https://host/x%20y.htm"},
      {kWeb, "http://host/", "http://host:8080/", "x.htm", "http://host:8080/x.htm"},
      {kWeb, "http://host/", "http://[::1]:8080/d/", "x.htm", "http://[::1]:8080/d/x.htm"},
      // A page that is no address: the site folder is the base.
      {kWeb, "http://host/dir/", "p.htm", "x.htm", "http://host/dir/x.htm"},
      {kWeb, "http://host/dir/", "http://host/dir/a.htm", "javascript:go()", "javascript:go()"},
      // Windows-style local paths keep "\" separators.
      {kLocal, "C:\\site", "C:\\site\\index.htm", "sub/p.htm", "C:\\site\\sub\\p.htm"},
      {kLocal, "C:\\site", "C:\\site\\sub\\p.htm", "../q.htm", "C:\\site\\q.htm"},
      {kLocal, "C:\\site", "C:\\site\\sub\\p.htm", "../x/r.htm", "C:\\site\\x\\r.htm"},
      {kLocal, "C:\\site", "C:\\site\\index.htm", "http://host/x.htm", "http://host/x.htm"},
      // POSIX sites keep "/", and a "\" in a link is a separator.
      {kLocal, "/site", "/site/index.htm", "sub/p.htm", "/site/sub/p.htm"},
      {kLocal, "/site", "/site/sub/p.htm", "../q.htm", "/site/q.htm"},
      {kLocal, "/site", "/site/sub/p.htm", "..\\x\\r.htm", "/site/x/r.htm"},
      {kLocal, "/site", "/site/index.htm", "./a.htm", "/site/a.htm"},
      // Dot segments are worked out: a link cannot climb out of the site unseen.
      {kLocal, "/site", "/site/sub/p.htm", "a/../b.htm", "/site/sub/b.htm"},
      {kLocal, "/site", "/site/index.htm", "../../../../etc/x.htm", "/etc/x.htm"},
      {kLocal, "/site", "/site/index.htm", "/top.htm", "/site/top.htm"},
  };
  for (const Resolution& row : rows) {
    EXPECT_EQ(relativeToAbsoluteURL(row.mode, row.codebase, row.page, row.link), row.want)
        << row.page << " + " << row.link;
  }
}

TEST(UrlRules, SiteFolders) {
  const std::pair<const char*, const char*> web[] = {
      {"http://host/dir/main.html", "http://host/dir/"},
      // A start address naming a folder is the site folder.
      {"http://host/dir/", "http://host/dir/"},
      {"http://host", "http://host/"},
      {"HTTP://Host:80/dir/p.htm?x=/y/", "http://host/dir/"},
      {"https://host/a/b", "https://host/a/"},
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
      {kWeb, "http://host/dir/", "http://host/dir/x.htm", false},
      // A folder test on the normal form, not plain containment.
      {kWeb, "http://host/dir/", "http://host/dir2/x.htm", true},
      {kWeb, "http://host/dir/", "http://other/?http://host/dir/", true},
      {kWeb, "http://host/dir/", "http://host/dir/../x.htm", true},
      {kWeb, "http://host/dir/", "HTTP://HOST:80/DIR/x.htm", false},
      {kWeb, "http://host/dir/", "http://host/x.htm", true},
      {kWeb, "http://host/dir/", "https://host/dir/x.htm", true},
      {kWeb, "https://host/dir/", "https://host/dir/x.htm", false},
      {kWeb, "http://host/dir/", "mailto:x@host/dir/", true},
      {kWeb, "http://host/dir/", "news:http://host/dir/", true},
      {kWeb, "", "http://host/dir/x.htm", true},
      {kLocal, "/site", "/site/x.htm", false},
      {kLocal, "/site", "http://x/site/x.htm", true},
      {kLocal, "/site", "/other/x.htm", true},
      {kLocal, "/site", "/site2/x.htm", true},
      {kLocal, "/", "/x.htm", false},
      {kLocal, "C:\\site", "C:\\site\\x.htm", false},
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
