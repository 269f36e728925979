// Nodes from XML sitemaps served over loopback: indexes followed, robots.txt
// Sitemap lines, gzip, the folder arrangement, titles, and refusals that
// leave the tree as it was.
#include <gtest/gtest.h>

#include "compressed_text.hpp"
#include "indexer/sitemap_files.hpp"
#include "indexer_fixture.hpp"
#include "site_server.hpp"

namespace quillon::testing {
namespace {

using Pages = std::map<std::string, SiteAnswer>;
using net::testing::compressed;

constexpr int kGzip = 31;

std::string urlset(const std::vector<std::string>& locs) {
  std::string text = "<?xml version=\"1.0\"?>\n<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
  for (const std::string& loc : locs) text += "  <url>\n    <loc>\n      " + loc + "\n    </loc>\n  </url>\n";
  return text + "</urlset>\n";
}

class SitemapIndex : public IndexerFixture, public ::testing::Test {
 protected:
  SitemapIndex() {
    indexer->tabChanged(IndexerTab::Sitemap);
    indexer->settings.ObeyRobots = false;
    menu.tab(0).Nodes.clear();
  }
  // The answers may name the port, which is known once the server runs.
  void serve(const std::function<Pages(const std::string& site)>& pages) {
    server_ = std::make_unique<SiteServer>([this](const std::string& target) {
      const auto found = pages_.find(target);
      return found == pages_.end() ? status("404 Not Found") : found->second;
    });
    pages_ = pages(server_->site());
    abbreviations.emplace_back(server_->site(), "http://site");
  }
  void serve(Pages pages) {
    serve([&pages](const std::string&) { return pages; });
  }
  std::string at(const std::string& path) const { return server_->site() + path; }
  bool logHas(const std::string& part) const { return log().find(part) != std::string::npos; }
  Pages pages_;
  std::unique_ptr<SiteServer> server_;
};

TEST_F(SitemapIndex, AnIndexOfPlainAndGzipSitemapsGivesNodesByFolder) {
  serve([](const std::string& s) -> Pages { return {{"/sitemap.xml", page("<sitemapindex><sitemap><loc>" + s + "/a.xml</loc></sitemap>"
                               "<sitemap><loc>" + s + "/b.xml.gz</loc></sitemap></sitemapindex>",
                               "application/xml")},
         {"/a.xml", page(urlset({s + "/docs/guide.htm", s + "/", s + "/docs/", s + "/list?x=1&amp;y=2",
                                 "https://other.example/x.htm", "mailto:me@site", s + "/docs/guide.htm"}),
                         "text/xml")},
         {"/b.xml.gz", page(compressed(urlset({s + "/docs/api/ref.htm", s + "/about.htm"}), kGzip), "application/gzip")},
         {"/", page("<title>Home</title>")},
         {"/docs/", page("<title>Docs</title>")},
         {"/docs/guide.htm", page("<title>Guide</title>")},
         {"/list?x=1&y=2", page("<title>List</title>")},
         {"/docs/api/ref.htm", page("<title>Reference</title>")},
         {"/about.htm", page("no title")}}; });
  indexer->settings.Site.NodeText = kHTMLFileTitle;
  std::vector<std::pair<std::size_t, std::size_t>> progress;
  indexer->state().onProgress = [&progress](const CrawlProgress& reached) {
    progress.emplace_back(reached.pagesRead, reached.queued);
  };
  const CrawlResult result = indexer->indexSitemap(at("/sitemap.xml"));
  ASSERT_TRUE(result.succeeded) << log();
  // The folders where their first page is listed; pages in the sitemap's order.
  EXPECT_EQ(tree(),
            "Home |Home ->http://site/\n"
            "  Docs |Docs ->http://site/docs/\n"
            "    Guide |Guide ->http://site/docs/guide.htm\n"
            "    api |api ->\n"
            "      Reference |Reference ->http://site/docs/api/ref.htm\n"
            "  List |List ->http://site/list?x=1&y=2\n"
            "  about.htm |about.htm ->http://site/about.htm\n");
  EXPECT_TRUE(logHas("  > LEFT OUT: 1 on other hosts, 1 not http or https, 1 duplicates")) << log();
  EXPECT_EQ(result.pagesRead.size(), 6u);
  // One report a page listed, as the crawl of a site gives.
  EXPECT_EQ(progress, (std::vector<std::pair<std::size_t, std::size_t>>{{1, 5}, {2, 4}, {3, 3}, {4, 2}, {5, 1}, {6, 0}}));
  EXPECT_EQ(ui.messageTexts().back(), "Site successfully indexed");
}

TEST_F(SitemapIndex, ASiteAddressReadsTheSitemapsOfItsRobotsTxt) {
  serve({{"/robots.txt", page("User-agent: *\nDisallow: /private/\nSitemap: http://127.0.0.1:{port}/s.xml\n",
                              "text/plain")},
         {"/s.xml", page(urlset({"http://127.0.0.1:{port}/a.gif", "http://127.0.0.1:{port}/private/p.htm"}))},
         {"/private/p.htm", page("<title>Secret</title>")}});
  indexer->settings.ObeyRobots = true;
  ASSERT_TRUE(indexer->indexSitemap(at("/")).succeeded) << log();
  // Titles: no request for a picture, none for a page robots.txt forbids.
  EXPECT_EQ(server_->requests(), (std::vector<std::string>{"GET /robots.txt HTTP/1.0", "GET /s.xml HTTP/1.0",
                                                           "GET /robots.txt HTTP/1.0"}));
  EXPECT_EQ(tree(),
            "127.0.0.1:" + std::to_string(server_->port()) + " |127.0.0.1:" + std::to_string(server_->port()) +
                " ->\n"
                "  a.gif |a.gif ->http://site/a.gif\n"
                "  private |private ->\n"
                "    p.htm |p.htm ->http://site/private/p.htm\n");
  EXPECT_TRUE(logHas("  > FORBIDDEN BY ROBOTS.TXT: http://site/private/p.htm")) << log();
}

TEST_F(SitemapIndex, WhatIsNoSitemapIsRefusedAndTheTreeStaysAsItWas) {
  const std::string bomb = compressed(std::string(2 * 1024 * 1024, ' '), kGzip);
  serve({{"/page.htm", page("<html><body>hello</body></html>")},
         {"/doctype.xml", page("<!DOCTYPE urlset [<!ENTITY a 'b'>]><urlset/>")},
         {"/broken.xml.gz", page(compressed("<urlset>", kGzip).substr(0, 12), "application/gzip")},
         {"/loop.xml", page("<sitemapindex><sitemap><loc>http://127.0.0.1:{port}/missing.xml</loc></sitemap>"
                            "</sitemapindex>")},
         {"/robots.txt", page("User-agent: *\n", "text/plain")}});
  const struct {
    std::string path;
    std::string message;
  } rows[] = {
      {"/page.htm", "its root element is <html>, not <urlset> or <sitemapindex>."},
      {"/doctype.xml", "it declares a document type at line 1."},
      {"/broken.xml.gz", "its gzip data is damaged."},
      {"/loop.xml", "/missing.xml cannot be used: it cannot be fetched; the log says why."},
      {"/robots.txt", "/robots.txt cannot be used: it has no \"Sitemap:\" line."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.path);
    ui.messages.clear();
    EXPECT_FALSE(indexer->indexSitemap(at(row.path)).succeeded);
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages.front().kind, MessageKind::Error);
    const std::string& message = ui.messages.front().text;
    EXPECT_TRUE(message.starts_with("The sitemap ")) << message;
    EXPECT_TRUE(message.ends_with(row.message)) << message;
    EXPECT_EQ(tree(), "") << "nothing is added";
  }
  std::string unpacked = bomb;
  std::string problem;
  EXPECT_FALSE(unpackIfGzip(unpacked, 1024 * 1024, problem));
  EXPECT_EQ(problem, "it unpacks to more than 1 MB");
}

TEST_F(SitemapIndex, ALocalFileTakesTheSiteOfItsFirstAddressAndThePageCap) {
  serve(Pages{});
  const std::string file = write("map.xml.gz", compressed(urlset({at("/a/one.htm"), at("/a/two.htm"), at("/b.htm"),
                                                                  "http://elsewhere/x.htm"}),
                                                          kGzip));
  indexer->settings.Site.StatusBar = kURL;
  indexer->settings.Limits.MaxPages = "2";
  ASSERT_TRUE(indexer->indexSitemap(file).succeeded) << log();
  EXPECT_TRUE(server_->requests().empty()) << "no titles asked for";
  EXPECT_EQ(tree(),
            "127.0.0.1:" + std::to_string(server_->port()) + " |127.0.0.1:" + std::to_string(server_->port()) +
                " ->\n"
                "  a |a ->\n"
                "    one.htm |http://site/a/one.htm ->http://site/a/one.htm\n"
                "    two.htm |http://site/a/two.htm ->http://site/a/two.htm\n");
  EXPECT_TRUE(logHas("*** PAGE LIMIT REACHED (Max Pages = 2)")) << log();
}

TEST(RobotsSitemaps, TakesEverySitemapLineInAnyCase) {
  EXPECT_EQ(robotsSitemaps("User-agent: *\r\nSitemap: https://h/a.xml\r\n# x\nsitemap:https://h/b.xml#part\n"
                           "Sitemap:\nDisallow: /\n"),
            (std::vector<std::string>{"https://h/a.xml", "https://h/b.xml#part"}));
}

}  // namespace
}  // namespace quillon::testing
