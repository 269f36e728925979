// Crawls of small sites served over loopback by a scripted server.
#include <gtest/gtest.h>

#include <filesystem>

#include "indexer_fixture.hpp"
#include "scripted_http_server.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;
using net::testing::refusingPort;
using net::testing::ScriptedHttpServer;
using net::testing::ServerScript;
using net::testing::ServerStep;
using Lines = std::vector<std::string>;

std::string ok(const std::string& body) { return "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\n" + body; }

// One connection per response, in the order the walk asks for them.
ServerScript answering(const Lines& responses) {
  ServerScript script;
  for (const std::string& response : responses) {
    script.connections.push_back({{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Send, response, {}}});
  }
  return script;
}

// The request lines the server received, in order.
Lines requestLines(const ScriptedHttpServer& server) {
  Lines lines;
  for (const std::string& request : server.received()) lines.push_back(request.substr(0, request.find("\r\n")));
  return lines;
}

class HttpCrawl : public IndexerFixture, public ::testing::Test {
 protected:
  HttpCrawl() {
    indexer->tabChanged(IndexerTab::Internet);
    // The connections are scripted in the order of the pages; robots.txt has its own tests.
    indexer->settings.ObeyRobots = false;
  }
  void serve(const Lines& responses) {
    server_ = std::make_unique<ScriptedHttpServer>(answering(responses));
    abbreviations.emplace_back(site(), "http://site");
  }
  std::string site() const { return "http://127.0.0.1:" + std::to_string(server_->port()); }
  CrawlResult crawl(const std::string& path) { return indexer->crawl(site() + path); }
  Lines requests() {
    server_->stop();
    return requestLines(*server_);
  }

  std::unique_ptr<ScriptedHttpServer> server_;
};

TEST_F(HttpCrawl, AStartFolderKeepsItsSlashAndOtherSitesAreNeverFetched) {
  serve({ok("<title>Start</title><a href=\"a.htm\"> <a href=\"https://127.0.0.1/s.htm\">"
            "<a href=\"http://other.example/o.htm\"> <a href=\"picture.gif\"> <a href=\"index.php\">"),
         ok("<title>Page A</title>")});
  indexer->settings.PagesByType = false;
  const CrawlResult result = crawl("/dir/");
  EXPECT_TRUE(result.succeeded);
  // The folder is the site folder: its links resolve inside it.
  EXPECT_EQ(requests(), (Lines{"GET /dir/ HTTP/1.0", "GET /dir/a.htm HTTP/1.0"}));
  EXPECT_EQ(tree(),
            "New Node | ->\n"
            "http://site/dir/ |Start ->http://site/dir/\n"
            "  a.htm |Page A ->http://site/dir/a.htm\n"
            "  s.htm |s.htm ->https://127.0.0.1/s.htm\n"
            "  o.htm |o.htm ->http://other.example/o.htm\n"
            "  picture.gif |picture.gif ->http://site/dir/picture.gif\n"
            "  index.php |index.php ->http://site/dir/index.php\n");
  EXPECT_TRUE(log().starts_with(" \n>>> PROCESSING: http://site/dir/\n  > FETCHING: http://site/dir/\n  > GET dir\n"
                                "  > RETRIEVED\n  > DONE: http://site/dir/\n"))
      << log();
  EXPECT_EQ(result.pagesRead, (Lines{site() + "/dir/", site() + "/dir/a.htm"}));
}

TEST_F(HttpCrawl, AnUnreachableStartPageEndsTheWalkWithoutAMessage) {
  // Typed with a final "/" the start page is still recognised as the start page.
  for (const char* path : {"/index.htm", "/"}) {
    ui.messages.clear();
    indexer->state().log.clear();
    menu.tab(0).Nodes.clear();
    const std::string address = "http://127.0.0.1:" + std::to_string(refusingPort()) + path;
    const std::string& used = address;
    const CrawlResult result = indexer->crawl(address);
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(ui.messages.empty()) << ui.messageTexts().front();
    const Lines& lines = indexer->state().log.lines();
    ASSERT_EQ(lines.size(), 12u) << log();
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + 5),
              (Lines{" ", ">>> PROCESSING: " + used, "  > FETCHING: " + used, "*** Error ***", "*** Code   = 404"}));
    EXPECT_TRUE(lines[5].starts_with("*** Message = ")) << lines[5];
    EXPECT_EQ(Lines(lines.begin() + 6, lines.end()),
              (Lines{" ", "  > DONE: " + used, "  + ADDED TO TREE: " + used, "  +        PARENT: " + used,
                     "  > EXTRACTING LINKS: " + used, "  > LINKS EXTRACTED: " + used}));
    EXPECT_EQ(menu.tab(0).Nodes.size(), 1u) << "the start node is added";
    EXPECT_EQ(menu.tab(0).Nodes.root().children().front()->Data.URL1, used);
  }
}

TEST_F(HttpCrawl, FailedAndUnusualAnswersOfLaterPages) {
  serve({ok("<a href=\"gone.htm\"> <a href=\"odd.htm\">"), "HTTP/1.0 404 Not Found\r\n\r\nmissing",
         "HTTP/1.0 203 Non-Authoritative\r\n\r\n<title>Odd</title>"});
  const CrawlResult result = crawl("/index.htm");
  EXPECT_TRUE(result.succeeded) << "only the start page ends the walk";
  EXPECT_EQ(ui.messageTexts(), Lines{"Site successfully indexed"});
  const std::string text = log();
  EXPECT_NE(text.find("  > FETCHING: http://site/gone.htm\n*** Error ***\n*** Code   = 404\n"
                      "*** Message = Not Found\n \n  > DONE: http://site/gone.htm\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("  > GET odd.htm\n  > Code = 203\n  > DONE: http://site/odd.htm\n"), std::string::npos);
  EXPECT_EQ(tree(), "New Node | ->\nindex.htm |index.htm ->http://site/index.htm\n"
                    "  gone.htm |gone.htm ->http://site/gone.htm\n  odd.htm |Odd ->http://site/odd.htm\n");
}

TEST_F(HttpCrawl, AnEmptyBodyIsNeverTheEarlierPageOfTheSameName) {
  serve({ok("<a href=\"a/index.htm\"> <a href=\"b/index.htm\">"), ok("<a href=\"x.htm\">"),
         "HTTP/1.0 200 OK\r\nContent-Length: 0\r\n\r\n", ok("<title>X</title>")});
  crawl("/index.htm");
  EXPECT_EQ(requests(),
            (Lines{"GET /index.htm HTTP/1.0", "GET /a/index.htm HTTP/1.0", "GET /b/index.htm HTTP/1.0",
                   "GET /a/x.htm HTTP/1.0"}));
  EXPECT_EQ(tree(),
            "New Node | ->\n"
            "index.htm |index.htm ->http://site/index.htm\n"
            "  index.htm |index.htm ->http://site/a/index.htm\n"
            "    x.htm |X ->http://site/a/x.htm\n"
            "  index.htm |index.htm ->http://site/b/index.htm\n");
}

TEST_F(HttpCrawl, NothingIsWrittenIntoTheProgramFolder) {
  // Another program's "temp" beside the program, with a link in it to the user's file.
  const std::string users = write("users/notes.htm", "the user's own file");
  fs::create_directories(programFolder() + "temp");
  fs::create_symlink(users, programFolder() + "temp/page.htm");
  serve({ok("<a href=\"page.htm\"> <a href=\"x.htm/..\">"), ok("<title>Page</title>"), ok("<title>Dots</title>")});
  crawl("/index.htm");
  EXPECT_EQ(ui.messageTexts(), Lines{"Site successfully indexed"});
  EXPECT_EQ(readFile(users), "the user's own file");
  EXPECT_TRUE(fs::is_symlink(programFolder() + "temp/page.htm"));
  // Dot segments go before the request: "x.htm/.." is the site's root.
  EXPECT_EQ(requests(), (Lines{"GET /index.htm HTTP/1.0", "GET /page.htm HTTP/1.0", "GET / HTTP/1.0"}));
  EXPECT_EQ(tree(),
            "New Node | ->\n"
            "index.htm |index.htm ->http://site/index.htm\n"
            "  page.htm |Page ->http://site/page.htm\n"
            "  .. |Dots ->http://site/\n");
}

TEST_F(HttpCrawl, AbortStopsTheFetchInProgress) {
  ServerScript script;
  script.connections.push_back({{ServerStep::Kind::ReadRequest, "", {}}, {ServerStep::Kind::Hold, "", {}}});
  server_ = std::make_unique<ScriptedHttpServer>(script);
  abbreviations.emplace_back(site(), "http://site");
  bool busyWhileFetching = false;
  ui.duringEvents = [this, &busyWhileFetching] {
    if (!indexer->state().busy()) return;
    busyWhileFetching = true;
    ui.duringEvents = nullptr;
    ui.answers.push_back(Answer::Yes);
    indexer->abortButtonClick();
  };
  const CrawlResult result = crawl("/index.htm");
  EXPECT_TRUE(busyWhileFetching);
  EXPECT_FALSE(result.succeeded);
  EXPECT_FALSE(indexer->state().busy());
  EXPECT_EQ(ui.messageTexts(), Lines{"Stop Auto Indexer"});
  EXPECT_NE(log().find("*** Message = Connection aborted on request\n"), std::string::npos) << log();
}

TEST_F(HttpCrawl, TheProxyGetsTheWholeAddress) {
  serve({ok("<title>Via proxy</title>")});
  indexer->settings.ProxyHost = "127.0.0.1";
  indexer->settings.ProxyPort = std::to_string(server_->port());
  indexer->crawl("http://site.example/index.htm");
  EXPECT_EQ(requests(), Lines{"GET http://site.example/index.htm HTTP/1.0"});
  EXPECT_EQ(tree(), "New Node | ->\nindex.htm |Via proxy ->http://site.example/index.htm\n");
}

}  // namespace
}  // namespace quillon::testing
