// Crawls of sites shaped like real ones, served by path over loopback:
// folders, redirections, base tags, robots.txt, pages without extensions,
// traps, slow pages, and the links the new nodes get.
#include <gtest/gtest.h>

#include <filesystem>

#include "indexer_fixture.hpp"
#include "site_server.hpp"
#include "test_certificates.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
using Pages = std::map<std::string, SiteAnswer>;

class WebCrawl : public IndexerFixture, public ::testing::Test {
 protected:
  WebCrawl() {
    indexer->tabChanged(IndexerTab::Internet);
    // Most rows are about something else than robots.txt; its own test turns it on.
    indexer->settings.ObeyRobots = false;
  }
  void serve(Pages pages) { use(std::make_unique<SiteServer>(std::move(pages))); }
  void use(std::unique_ptr<SiteServer> server) {
    server_ = std::move(server);
    abbreviations.emplace_back(server_->site(), "http://site");
  }
  CrawlResult crawl(const std::string& path) {
    menu.tab(0).Nodes.clear();
    ui.messages.clear();
    return indexer->crawl(server_->site() + path);
  }
  // The paths asked for, in order.
  Lines requests() const {
    Lines paths;
    for (const std::string& line : server_->requests()) paths.push_back(line.substr(4, line.rfind(' ') - 4));
    return paths;
  }
  bool logHas(const std::string& part) const { return log().find(part) != std::string::npos; }

  std::unique_ptr<SiteServer> server_;
};

TEST_F(WebCrawl, AStartFolderKeepsItsSlashAndLinksResolveByTheStandardRules) {
  serve({{"/site/", page("<title>Site</title>"
                         "<a href=\"a.htm\"> <a href=\"sub/b.htm\"> <a href=\"../outside.htm\">"
                         "<a href=\"../../../../escape.htm\"> <a href=\"/site/root.htm\"> <a href=\"/x.htm\">"
                         "<a href=\"//127.0.0.1:{port}/site/host.htm\"> <a href=\"c.htm?x=1&amp;y=2#part\">"
                         "<a href=\"sub/../d.htm\"> <a href=\"HTTP://127.0.0.1:{port}/site/e.htm\">"
                         "<a href=\"mailto:me@site\">")},
         {"/site/a.htm", page("<title>A</title>")},
         {"/site/sub/b.htm", page("<title>B</title>")},
         {"/site/root.htm", page("<title>Root</title>")},
         {"/site/host.htm", page("<title>Host</title>")},
         {"/site/c.htm?x=1&y=2", page("<title>C</title>")},
         {"/site/d.htm", page("<title>D</title>")},
         {"/site/e.htm", page("<title>E</title>")}});
  const CrawlResult result = crawl("/site/");
  EXPECT_TRUE(result.succeeded);
  // Outside the site folder nothing is asked for; "#part" is never sent.
  EXPECT_EQ(requests(), (Lines{"/site/", "/site/a.htm", "/site/sub/b.htm", "/site/root.htm", "/site/host.htm",
                               "/site/c.htm?x=1&y=2", "/site/d.htm", "/site/e.htm"}));
  // Each node links where its link leads, its "#" part kept; a link with a scheme stays as written.
  EXPECT_EQ(tree(),
            "http://site/site/ |Site ->http://site/site/\n"
            "  a.htm |A ->http://site/site/a.htm\n"
            "  b.htm |B ->http://site/site/sub/b.htm\n"
            "  outside.htm |outside.htm ->http://site/outside.htm\n"
            "  escape.htm |escape.htm ->http://site/escape.htm\n"
            "  root.htm |Root ->http://site/site/root.htm\n"
            "  x.htm |x.htm ->http://site/x.htm\n"
            "  host.htm |Host ->http://site/site/host.htm\n"
            "  c.htm?x=1&y=2 |C ->http://site/site/c.htm?x=1&y=2#part\n"
            "  d.htm |D ->http://site/site/d.htm\n"
            "  e.htm |E ->HTTP://127.0.0.1:" +
                std::to_string(server_->port()) +
                "/site/e.htm\n"
                "  me@site |me@site ->mailto:me@site\n");
  EXPECT_TRUE(logHas("  > EXTERNAL LINK OR NO HTML FILE: http://site/escape.htm\n")) << log();
}

TEST_F(WebCrawl, LinksResolveAgainstTheFinalAddressOrTheBaseTag) {
  serve({{"/start.htm", status("302 Found", "Location: /hop/\r\n")},
         {"/hop/", status("301 Moved", "Location: http://127.0.0.1:{port}/site/deep/page.htm\r\n")},
         {"/site/deep/page.htm", page("<title>Deep</title><a href=\"near.htm\"> <a href=\"../based.htm\">")},
         {"/site/deep/near.htm", page("<base href=\"/site/deep/other/\"><title>Near</title><a href=\"b.htm\">")},
         {"/site/based.htm", page("<title>Based</title>")},
         {"/site/deep/other/b.htm", page("<title>Other B</title>")}});
  const CrawlResult result = crawl("/start.htm");
  EXPECT_TRUE(result.succeeded);
  // The site folder is where the start page was found; the base tag gives no node.
  EXPECT_EQ(requests(), (Lines{"/start.htm", "/hop/", "/site/deep/page.htm", "/site/deep/near.htm",
                               "/site/deep/other/b.htm"}));
  EXPECT_EQ(tree(),
            "start.htm |Deep ->http://site/start.htm\n"
            "  near.htm |Near ->http://site/site/deep/near.htm\n"
            "    b.htm |Other B ->http://site/site/deep/other/b.htm\n"
            "  based.htm |based.htm ->http://site/site/based.htm\n");
  EXPECT_TRUE(logHas("  > EXTERNAL LINK OR NO HTML FILE: http://site/site/based.htm\n")) << log();
}

TEST_F(WebCrawl, AnHttpSiteSentToHttpsIsCrawledThereWithItsRobotsTxt) {
  net::testing::trustTestAuthority();
  indexer->settings.ObeyRobots = true;
  SiteServer secure(byPath({{"/robots.txt", page("User-agent: *\nDisallow: /en/private/\n", "text/plain")},
                            {"/en/", page("<title>Home</title><a href=\"a.htm\"> <a href=\"private/p.htm\">"
                                          "<a href=\"http://127.0.0.1/en/plain.htm\">")},
                            {"/en/a.htm", page("<title>A</title>")}}),
                    net::testing::testCertificates().trusted);
  const std::string secureSite = secure.site();
  serve({{"/", status("301 Moved", "Location: " + secureSite + "/en/\r\n")}});
  abbreviations.emplace_back(secureSite, "https://site");
  const CrawlResult result = crawl("/");
  EXPECT_TRUE(result.succeeded) << log();
  // The site folder moved with the start page: its folder over https is the site.
  EXPECT_EQ(result.pagesRead, (Lines{server_->site() + "/", secureSite + "/en/a.htm"}));
  EXPECT_EQ(secure.requests(), (Lines{"GET /en/ HTTP/1.0", "GET /robots.txt HTTP/1.0", "GET /en/a.htm HTTP/1.0"}));
  EXPECT_TRUE(logHas("  > FORBIDDEN BY ROBOTS.TXT: https://site/en/private/p.htm\n")) << log();
  EXPECT_TRUE(logHas("  > EXTERNAL LINK OR NO HTML FILE: http://127.0.0.1/en/plain.htm\n")) << log();
}

TEST_F(WebCrawl, RobotsTxtIsObeyedForOurGroupOrEveryone) {
  const std::string start = "<a href=\"a.htm\"> <a href=\"b.htm\"> <a href=\"private/c.htm\">";
  struct Row {
    const char* name;
    std::optional<SiteAnswer> robots;  // none: no such file
    bool obey;
    Lines read;
    bool succeeded;
  } rows[] = {
      {"no robots.txt", std::nullopt, true, {"/robots.txt", "/", "/a.htm", "/b.htm", "/private/c.htm"}, true},
      {"a failing robots.txt", status("500 Broken"), true,
       {"/robots.txt", "/", "/a.htm", "/b.htm", "/private/c.htm"}, true},
      {"everyone", page("User-agent: *\nDisallow: /private/\n", "text/plain"), true,
       {"/robots.txt", "/", "/a.htm", "/b.htm"}, true},
      // Our own group wins over the one for everyone, whatever its order.
      {"our group", page("User-agent: Quillon\nDisallow: /b.htm\n\nUser-agent: *\nDisallow: /\n", "text/plain"), true,
       {"/robots.txt", "/", "/a.htm", "/private/c.htm"}, true},
      // The longest rule decides.
      {"allow inside", page("User-agent: *\nDisallow: /\nAllow: /$\nAllow: /a.htm\n", "text/plain"), true,
       {"/robots.txt", "/", "/a.htm"}, true},
      {"start forbidden", page("User-agent: other\nAllow: /\n\nUser-agent: *\nDisallow: /\n", "text/plain"), true,
       {"/robots.txt"}, false},
      {"switched off", page("User-agent: *\nDisallow: /\n", "text/plain"), false,
       {"/", "/a.htm", "/b.htm", "/private/c.htm"}, true},
  };
  for (const Row& row : rows) {
    Pages pages = {{"/", page(start)}, {"/a.htm", page("")}, {"/b.htm", page("")}, {"/private/c.htm", page("")}};
    if (row.robots) pages["/robots.txt"] = *row.robots;
    serve(pages);
    indexer->settings.ObeyRobots = row.obey;
    const CrawlResult result = crawl("/");
    EXPECT_EQ(requests(), row.read) << row.name;
    EXPECT_EQ(result.succeeded, row.succeeded) << row.name;
    EXPECT_EQ(menu.tab(0).Nodes.size(), row.succeeded ? 4u : 1u) << row.name << ": forbidden pages keep their nodes";
  }
  EXPECT_TRUE(logHas("  > FORBIDDEN BY ROBOTS.TXT: http://site/\n")) << log();
}

TEST_F(WebCrawl, PagesAreKnownByTheirTypeUnlessTheExtensionIsAskedFor) {
  const Pages pages = {
      {"/", page("<a href=\"about/\"> <a href=\"page?id=3\"> <a href=\"x.html\"> <a href=\"y.php\">"
                 "<a href=\"data.bin\"> <a href=\"pic.png\">")},
      {"/about/", page("<title>About</title><a href=\"team.htm\">")},
      {"/page?id=3", page("<title>Three</title>", "text/html; charset=utf-8")},
      {"/x.html", page("<title>X</title>", "text/plain")},
      {"/y.php", page("<title>Y</title>")},
      {"/data.bin", page("<title>not a page</title>", "application/octet-stream")},
      {"/about/team.htm", page("<title>Team</title>")}};
  const struct {
    bool byType;
    Lines read;
    const char* tree;
  } rows[] = {
      // A picture by its name is not even asked for; data.bin is asked, and dropped by its type.
      {true, {"/", "/about/", "/page?id=3", "/x.html", "/y.php", "/data.bin", "/about/team.htm"},
       "http://site/ | ->http://site/\n  http://site/about/ |About ->http://site/about/\n"
       "    team.htm |Team ->http://site/about/team.htm\n  page?id=3 |Three ->http://site/page?id=3\n"
       "  x.html |X ->http://site/x.html\n  y.php |Y ->http://site/y.php\n"
       "  data.bin |data.bin ->http://site/data.bin\n  pic.png |pic.png ->http://site/pic.png\n"},
      {false, {"/", "/x.html"},
       "http://site/ | ->http://site/\n  http://site/about/ |about/ ->http://site/about/\n"
       "  page?id=3 |page?id=3 ->http://site/page?id=3\n  x.html |X ->http://site/x.html\n"
       "  y.php |y.php ->http://site/y.php\n  data.bin |data.bin ->http://site/data.bin\n"
       "  pic.png |pic.png ->http://site/pic.png\n"},
  };
  for (const auto& row : rows) {
    serve(pages);
    indexer->settings.PagesByType = row.byType;
    EXPECT_TRUE(crawl("/").succeeded);
    EXPECT_EQ(requests(), row.read) << "by type " << row.byType;
    EXPECT_EQ(tree(), row.tree) << "by type " << row.byType;
  }
}

TEST_F(WebCrawl, EachAddressIsReadOnce) {
  serve({{"/index.htm", page("<title>Home</title><a href=\"a.htm\"> <a href=\"b.htm\"> <a href=\"shared.htm\">")},
         {"/a.htm", page("<title>A</title><a href=\"shared.htm\"> <a href=\"./shared.htm#x\"> <a href=\"gone.htm\">")},
         {"/b.htm", page("<title>B</title><a href=\"shared.htm\"> <a href=\"gone.htm\">")},
         {"/shared.htm", page("<title>Shared</title><a href=\"leaf.htm\">")},
         {"/leaf.htm", page("<title>Leaf</title>")}});
  EXPECT_TRUE(crawl("/index.htm").succeeded);
  EXPECT_EQ(requests(), (Lines{"/index.htm", "/a.htm", "/b.htm", "/shared.htm", "/gone.htm", "/leaf.htm"}));
  // Later occurrences get their nodes with the title read, and no links of their own.
  EXPECT_EQ(tree(),
            "index.htm |Home ->http://site/index.htm\n"
            "  a.htm |A ->http://site/a.htm\n"
            "    shared.htm |Shared ->http://site/shared.htm\n"
            "    shared.htm |Shared ->http://site/shared.htm#x\n"
            "    gone.htm |gone.htm ->http://site/gone.htm\n"
            "  b.htm |B ->http://site/b.htm\n"
            "    shared.htm |Shared ->http://site/shared.htm\n"
            "    gone.htm |gone.htm ->http://site/gone.htm\n"
            "  shared.htm |Shared ->http://site/shared.htm\n"
            "    leaf.htm |Leaf ->http://site/leaf.htm\n");
  EXPECT_TRUE(logHas(">>> PROCESSING: http://site/shared.htm\n  > ALREADY INDEXED: http://site/shared.htm\n"));
}

TEST_F(WebCrawl, LimitsEndATrapSite) {
  // Each page links to itself with a longer query, or to one more page.
  use(std::make_unique<SiteServer>([](const std::string& target) {
    const std::string query = target.substr(target.find('?') + 1);
    if (target.starts_with("/grow.htm")) return page("<a href=\"grow.htm?" + query + "a\">");
    if (target.starts_with("/repeat.htm")) return page("<a href=\"repeat.htm?" + query + "&amp;s=1\">");
    const int next = std::stoi(target.substr(2)) + 1;
    return page("<a href=\"p" + std::to_string(next) + ".htm\">");
  }));
  // Addresses up to 40 characters are read: that leaves this many "a"s to the query.
  const std::size_t letters = 40 - (server_->site() + "/grow.htm?").size();
  const std::string longest = "http://site/grow.htm?" + std::string(letters + 1, 'a');
  const struct {
    const char* start;
    CrawlLimitFields limits;
    std::size_t requests;
    std::string line;
  } rows[] = {
      {"/p0.htm", {.MaxPages = "4"}, 4, "  > PAGE LIMIT REACHED (Max Pages = 4): http://site/p4.htm\n"},
      {"/p0.htm", {.MaxDepth = "2"}, 3, "  > DEPTH LIMIT REACHED (Max Depth = 2): http://site/p2.htm\n"},
      {"/grow.htm?a", {.MaxAddressLength = "40"}, letters,
       "    URL LENGTH LIMIT REACHED (Max URL Length = 40), left out: " + longest + "\n"},
      {"/repeat.htm?s=1", {.MaxQueryRepeats = "3"}, 3,
       "  > QUERY REPEAT LIMIT REACHED (Max Query Repeats = 3): http://site/repeat.htm?s=1&s=1&s=1&s=1\n"},
  };
  for (const auto& row : rows) {
    const std::size_t before = server_->requests().size();
    indexer->state().log.clear();
    indexer->settings.Limits = row.limits;
    const CrawlResult result = crawl(row.start);
    EXPECT_TRUE(result.succeeded) << row.start << ": a limit ends the walk, it does not fail it";
    EXPECT_EQ(server_->requests().size() - before, row.requests) << row.start;
    EXPECT_TRUE(logHas(row.line)) << log();
  }
}

TEST_F(WebCrawl, IncludeAndExcludePatternsChooseWhatIsReadPastTheStartPage) {
  serve({{"/index.htm", page("<a href=\"docs/a.htm\"> <a href=\"docs/old/b.htm\"> <a href=\"shop/c.htm\">")},
         {"/docs/a.htm", page("<title>A</title><a href=\"../shop/c.htm\">")},
         {"/docs/old/b.htm", page("<title>B</title>")},
         {"/shop/c.htm", page("<title>C</title>")}});
  const struct {
    const char* include;
    const char* exclude;
    Lines read;
    Lines logged;
  } rows[] = {
      {"", "", {"/index.htm", "/docs/a.htm", "/docs/old/b.htm", "/shop/c.htm"}, {}},
      // The start page is read whatever the patterns say.
      {"*/docs/*", "*/old/*", {"/index.htm", "/docs/a.htm"},
       {"  > LEFT OUT BY EXCLUDE PATTERN (*/old/*): http://site/docs/old/b.htm\n",
        "  > LEFT OUT, NO INCLUDE PATTERN MATCHES: http://site/shop/c.htm\n"}},
      {"*/shop/* *a.htm", "", {"/index.htm", "/docs/a.htm", "/shop/c.htm"}, {}},
  };
  for (const auto& row : rows) {
    const std::size_t before = server_->requests().size();
    indexer->state().log.clear();
    indexer->settings.Include = row.include;
    indexer->settings.Exclude = row.exclude;
    const CrawlResult result = crawl("/index.htm");
    EXPECT_TRUE(result.succeeded) << row.include;
    const Lines all = requests();
    EXPECT_EQ(Lines(all.begin() + static_cast<std::ptrdiff_t>(before), all.end()), row.read) << row.include;
    // A link left out still has its node: the start page, its three links, and c.htm again under a.htm.
    EXPECT_EQ(menu.tab(0).Nodes.size(), 5u) << row.include;
    for (const std::string& line : row.logged) EXPECT_TRUE(logHas(line)) << line << log();
  }
}

TEST_F(WebCrawl, ASlowPageIsGivenUpAndTheWalkGoesOn) {
  const SiteAnswer head = {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n<title>Slow", {}, true};
  const SiteAnswer drip = {"HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + std::string(200, 'x'),
                           std::chrono::milliseconds(100)};
  serve({{"/index.htm", page("<a href=\"silent.htm\"> <a href=\"drip.htm\"> <a href=\"next.htm\">")},
         {"/silent.htm", head},
         {"/drip.htm", drip},
         {"/next.htm", page("<title>Next</title>")}});
  indexer->settings.Limits.PageSeconds = "1";
  const auto started = std::chrono::steady_clock::now();
  EXPECT_TRUE(crawl("/index.htm").succeeded);
  EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
  EXPECT_EQ(requests(), (Lines{"/index.htm", "/silent.htm", "/drip.htm", "/next.htm"}));
  const std::string text = log();
  EXPECT_NE(text.find("  > FETCHING: http://site/silent.htm\n  > GET silent.htm\n*** Error ***\n*** Code   = 404\n"
                      "*** Message = No complete answer within 1 s (Page Seconds)\n"),
            std::string::npos)
      << text;
  // The drip had not even sent its head: no idle time-out would ever have ended it.
  EXPECT_NE(text.find("  > FETCHING: http://site/drip.htm\n*** Error ***\n"), std::string::npos) << text;
  EXPECT_NE(tree().find("  next.htm |Next ->http://site/next.htm\n"), std::string::npos) << tree();
}

TEST_F(WebCrawl, EachCrawlHasAScratchFolderOfItsOwnThatGoesAtTheEnd) {
  serve({{"/index.htm", page("<a href=\"a.htm\">")}, {"/a.htm", page("<title>A</title>")}});
  std::vector<std::string> during;
  ui.duringEvents = [&] {
    for (const auto& entry : fs::directory_iterator(cacheFolder())) during.push_back(entry.path().string());
  };
  // Another program emptying the program folder's "temp" touches none of it.
  write("program/temp/other.htm", "another program's");
  EXPECT_TRUE(crawl("/index.htm").succeeded);
  ASSERT_FALSE(during.empty());
  EXPECT_TRUE(fs::path(during.front()).filename().string().starts_with("crawl-")) << during.front();
  EXPECT_TRUE(fs::is_empty(cacheFolder())) << "the scratch folder goes";
  EXPECT_EQ(readFile(path("program/temp/other.htm")), "another program's");
}

TEST_F(WebCrawl, AScratchFolderThatCannotBeMadeSaysSo) {
  serve({{"/index.htm", page("")}});
  fs::remove_all(cacheFolder());
  write("cache", "a file where the folder should be");
  const CrawlResult result = crawl("/index.htm");
  EXPECT_FALSE(result.succeeded);
  ASSERT_EQ(ui.messages.size(), 1u);
  EXPECT_EQ(ui.messages[0].kind, MessageKind::Error);
  EXPECT_TRUE(ui.messages[0].text.starts_with("The scratch folder of the crawl cannot be made in " + cacheFolder()))
      << ui.messages[0].text;
  EXPECT_TRUE(requests().empty());
}

TEST_F(WebCrawl, APageThatCannotBeStoredSaysWhereAndWhy) {
  serve({{"/index.htm", page("<a href=\"a.htm\"> <a href=\"b.htm\">")}, {"/a.htm", page("A")}, {"/b.htm", page("B")}});
  // Something takes the scratch folder away after the start page.
  std::string scratch;
  ui.duringEvents = [&] {
    if (!scratch.empty() || !logHas("  > LINKS EXTRACTED")) return;
    scratch = fs::directory_iterator(cacheFolder())->path().string();
    fs::remove_all(scratch);
    write(fs::relative(scratch, dir.path()).string(), "not a folder");
  };
  const CrawlResult result = crawl("/index.htm");
  EXPECT_FALSE(result.succeeded);
  // Each download has a number of its own: the start page had the first.
  EXPECT_EQ(ui.messageTexts(), Lines{"The page cannot be stored in " + scratch + "/2-a.htm: Not a directory"});
  EXPECT_EQ(ui.messages.front().kind, MessageKind::Error);
  EXPECT_TRUE(logHas("*** The page cannot be stored in ")) << log();
  // b.htm may have been asked for ahead of the walk; the walk ended at a.htm.
  const Lines asked = requests();
  ASSERT_GE(asked.size(), 2u);
  EXPECT_EQ(Lines(asked.begin(), asked.begin() + 2), (Lines{"/index.htm", "/a.htm"}));
  EXPECT_FALSE(logHas("  > FETCHING: http://site/b.htm")) << log();
  EXPECT_FALSE(fs::exists(scratch));
}

TEST_F(WebCrawl, ALimitFieldThatIsNoNumberIsNamed) {
  serve({{"/index.htm", page("")}});
  indexer->settings.Limits.MaxPages = "many";
  EXPECT_FALSE(crawl("/index.htm").succeeded);
  EXPECT_EQ(ui.messageTexts(), Lines{"Max Pages must be a whole number from 1 to 10000000"});
  EXPECT_TRUE(requests().empty());
}

}  // namespace
}  // namespace quillon::testing
