// Crawls with several requests at once: the nodes and the log are those of
// one connection whatever the server's timing, Abort ends every request, and
// a polite crawl spaces its requests to a host.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "indexer_fixture.hpp"
#include "site_server.hpp"

namespace quillon::testing {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;
using Pages = std::map<std::string, SiteAnswer>;

// Page i links to 3i+1..3i+3, back to i/2 and to a picture; every seventh is missing.
Pages generatedSite(int count) {
  Pages pages;
  for (int i = 0; i < count; ++i) {
    if (i % 7 == 6) continue;
    std::string body = "<title>Page " + std::to_string(i) + "</title>";
    for (int child = 3 * i + 1; child <= 3 * i + 3 && child < count; ++child) {
      body += "<a href=\"p" + std::to_string(child) + ".htm\">";
    }
    body += "<a href=\"p" + std::to_string(i / 2) + ".htm\"> <a href=\"logo.gif\">";
    pages["/p" + std::to_string(i) + ".htm"] = page(body);
  }
  return pages;
}

class ConcurrentCrawl : public IndexerFixture, public ::testing::Test {
 protected:
  ConcurrentCrawl() { indexer->tabChanged(IndexerTab::Internet); }
  void serve(Pages pages) {
    server_ = std::make_unique<SiteServer>(std::move(pages));
    abbreviations.emplace_back(server_->site(), "http://site");
  }
  CrawlResult crawl(const std::string& path) {
    menu.tab(0).Nodes.clear();
    ui.messages.clear();
    indexer->state().log.clear();
    return indexer->crawl(server_->site() + path);
  }
  // Waits, at most a while, for the server to see every connection closed.
  bool allConnectionsClosed() const {
    for (int i = 0; i < 500 && server_->openConnections() > 0; ++i) std::this_thread::sleep_for(10ms);
    return server_->openConnections() == 0;
  }

  std::unique_ptr<SiteServer> server_;
};

TEST_F(ConcurrentCrawl, TheNodesAndTheLogAreThoseOfOneConnection) {
  const SiteAnswer hangs = {"", {}, true};
  const struct Row {
    const char* name;
    Pages pages;
    const char* start;
    bool obeyRobots;
    CrawlLimitFields limits;
    // Only what one connection asks for is asked for. A page sent on to one
    // the walk has announced already is the exception: it is fetched, unused.
    bool sameRequests = true;
  } rows[] = {
      {"redirects and failures",
       {{"/index.htm", page("<title>Home</title><a href=\"a.htm\"> <a href=\"old.htm\"> <a href=\"gone.htm\">"
                            "<a href=\"hang.htm\"> <a href=\"sub/\"> <a href=\"new.htm\"> <a href=\"pic.gif\">"
                            "<a href=\"list.php\">")},
        {"/a.htm", page("<title>A</title><a href=\"b.htm\"> <a href=\"index.htm\"> <a href=\"c.htm\">")},
        // Sent on to a page the walk finds later: that one is then not read again.
        {"/old.htm", status("301 Moved", "Location: /new.htm\r\n")},
        {"/new.htm", page("<title>New</title><a href=\"d.htm\">")},
        {"/hang.htm", hangs},
        {"/sub/", page("<title>Sub</title><a href=\"../a.htm\"> <a href=\"e.htm\"> <a href=\"/elsewhere/x.htm\">")},
        {"/list.php", page("not HTML", "text/plain")},
        {"/b.htm", page("<title>B</title>")},
        {"/c.htm", page("<title>C</title><a href=\"gone.htm\">")},
        {"/d.htm", page("<title>D</title>")},
        {"/sub/e.htm", page("<title>E</title>")}},
       "/index.htm",
       false,
       {.PageSeconds = "1"},
       false},
      {"robots.txt",
       {{"/robots.txt", page("User-agent: *\nDisallow: /private/\nDisallow: /*.cgi$\n", "text/plain")},
        {"/", page("<a href=\"private/a.htm\"> <a href=\"open.htm\"> <a href=\"run.cgi\"> <a href=\"private/\">")},
        {"/open.htm", page("<title>Open</title><a href=\"private/b.htm\"> <a href=\"more.htm\">")},
        {"/more.htm", page("<title>More</title>")}},
       "/",
       true,
       {}},
      {"a page cap", generatedSite(40), "/p0.htm", false, {.MaxPages = "9"}},
      {"a larger site", generatedSite(150), "/p0.htm", false, {}},
  };
  for (const Row& row : rows) {
    serve(row.pages);
    indexer->settings.ObeyRobots = row.obeyRobots;
    std::string oneTree;
    std::string oneLog;
    Lines oneRead;
    Lines oneRequests;
    for (const char* connections : {"1", "4", "16"}) {
      const std::string run = std::string(row.name) + ", " + connections + " connections";
      indexer->settings.Limits = row.limits;
      indexer->settings.Limits.Connections = connections;
      server_->delayAnswers(30ms, static_cast<unsigned>(std::stoi(connections)));
      const std::size_t before = server_->requests().size();
      const CrawlResult result = crawl(row.start);
      EXPECT_TRUE(result.succeeded) << run << "\n" << log();
      EXPECT_TRUE(allConnectionsClosed()) << run;
      const Lines all = server_->requests();
      Lines requests(all.begin() + static_cast<std::ptrdiff_t>(before), all.end());
      std::sort(requests.begin(), requests.end());
      if (oneLog.empty()) {
        oneTree = tree();
        oneLog = log();
        oneRead = result.pagesRead;
        oneRequests = requests;
        continue;
      }
      EXPECT_EQ(tree(), oneTree) << run;
      EXPECT_EQ(log(), oneLog) << run;
      EXPECT_EQ(result.pagesRead, oneRead) << run;
      if (row.sameRequests) {
        EXPECT_EQ(requests, oneRequests) << run;
      }
    }
  }
}

TEST_F(ConcurrentCrawl, AbortEndsEveryRequestAtOnce) {
  // The start page links to pages that never answer.
  Pages pages;
  std::string links;
  for (int i = 0; i < 40; ++i) {
    links += "<a href=\"p" + std::to_string(i) + ".htm\">";
    pages["/p" + std::to_string(i) + ".htm"] = {"", {}, true};
  }
  pages["/index.htm"] = page(links);
  serve(pages);
  indexer->settings.ObeyRobots = false;
  indexer->settings.Limits.Connections = "16";
  std::size_t requestsAtAbort = 0;
  ui.duringEvents = [&] {
    // Every connection is waiting on an answer: the start page's and 16 more.
    if (server_->requests().size() < 17) return;
    ui.duringEvents = nullptr;
    requestsAtAbort = server_->requests().size();
    ui.answers.push_back(Answer::Yes);
    indexer->abortButtonClick();
  };
  const CrawlResult result = crawl("/index.htm");
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(requestsAtAbort, 17u) << "at most 16 requests at once";
  EXPECT_EQ(ui.messageTexts(), Lines{"Stop Auto Indexer"});
  // Ended by the Abort, not by the page's time limit.
  EXPECT_NE(log().find("*** Message = Connection aborted on request\n"), std::string::npos) << log();
  EXPECT_EQ(log().find("Page Seconds"), std::string::npos) << log();
  EXPECT_TRUE(allConnectionsClosed()) << server_->openConnections() << " still open";
  EXPECT_EQ(server_->requests().size(), requestsAtAbort) << "nothing is asked for after the Abort";
}

TEST_F(ConcurrentCrawl, APoliteCrawlSpacesItsRequestsToAHost) {
  const std::string start = "<a href=\"a.htm\"> <a href=\"b.htm\"> <a href=\"c.htm\"> <a href=\"d.htm\">";
  const struct {
    const char* name;
    std::string delay;
    std::optional<std::string> robots;
    bool honour;
    std::chrono::milliseconds gap;
    const char* logLine;
  } rows[] = {
      {"--delay", "150", std::nullopt, false, 150ms, nullptr},
      {"Crawl-delay", "0", "User-agent: *\nCrawl-delay: 0.15\n", true, 150ms,
       "  > CRAWL-DELAY (at most 60 s): 150 ms\n"},
      // The longer of the two counts.
      {"both", "60", "User-agent: *\nCrawl-delay: 0.15\n", true, 150ms, nullptr},
  };
  for (const auto& row : rows) {
    Pages pages = {{"/index.htm", page(start)}, {"/a.htm", page("")}, {"/b.htm", page("")},
                   {"/c.htm", page("")},        {"/d.htm", page("")}};
    if (row.robots) pages["/robots.txt"] = page(*row.robots, "text/plain");
    serve(pages);
    indexer->settings.ObeyRobots = true;
    indexer->settings.HonourCrawlDelay = row.honour;
    indexer->settings.Limits.Connections = "8";
    indexer->settings.Limits.DelayMs = row.delay;
    EXPECT_TRUE(crawl("/index.htm").succeeded) << row.name;
    const std::vector<std::chrono::steady_clock::time_point> times = server_->requestTimes();
    ASSERT_EQ(times.size(), 6u) << row.name;
    // The client starts them the gap apart; the loopback may bring two a little closer.
    for (std::size_t i = 1; i < times.size(); ++i) {
      EXPECT_GE(times[i] - times[i - 1], row.gap - 40ms) << row.name << ": request " << i;
    }
    if (row.logLine) {
      EXPECT_NE(log().find(row.logLine), std::string::npos) << log();
    }
  }
}

}  // namespace
}  // namespace quillon::testing
