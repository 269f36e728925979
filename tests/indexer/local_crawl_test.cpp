// Crawls of small sites on disk.
#include <gtest/gtest.h>

#include <filesystem>

#include "indexer_fixture.hpp"

namespace quillon::testing {
namespace {

using Paths = std::vector<std::string>;

class LocalCrawl : public IndexerFixture, public ::testing::Test {
 protected:
  LocalCrawl() { indexer->tabChanged(IndexerTab::LocalSite); }
  CrawlResult crawl(const std::string& startFile) { return indexer->crawl(path(startFile)); }
  Paths read(const CrawlResult& result) const {
    Paths paths;
    for (const std::string& address : result.pagesRead) paths.push_back(shortened(address));
    return paths;
  }
};

TEST_F(LocalCrawl, WalksBreadthFirstWithTheLogOfEveryStep) {
  write("site/index.htm",
        "<title>Home</title>\n<a href=\"a.htm\">A</a> <a href=\"a.htm\">A twice</a> <a href=\"#top\">top</a>\n"
        "<a href=\"b.htm#part\">B</a> <a href=\"index.htm\">me</a>");
  write("site/a.htm", "<title>Page A</title><a href=\"b.htm\">B</a><a href=\"index.htm\">home</a>");
  write("site/b.htm", "<a href=\"a.htm\">A</a>");
  const CrawlResult result = crawl("site/index.htm");
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Site successfully indexed"});
  EXPECT_EQ(read(result), (Paths{"site/index.htm", "site/a.htm", "site/b.htm"}));
  // A link written twice gives one node; a page linked from two pages a node under each;
  // a bookmark alone is no link, and a link keeps its bookmark. Each node links to
  // the main window's link text for its file.
  EXPECT_EQ(tree(),
            "New Node | ->\n"
            "index.htm |Home ->link:site/index.htm\n"
            "  a.htm |Page A ->link:site/a.htm\n"
            "    b.htm |b.htm ->link:site/b.htm\n"
            "    index.htm |Home ->link:site/index.htm\n"
            "  b.htm |b.htm ->link:site/b.htm#part\n"
            "    a.htm |Page A ->link:site/a.htm\n"
            "  index.htm |Home ->link:site/index.htm\n");
  EXPECT_EQ(log(), R"( 
>>> PROCESSING: site/index.htm
  > READING: site/index.htm
  > DONE: site/index.htm
  + ADDED TO TREE: site/index.htm
  +        PARENT: site/index.htm
  > EXTRACTING LINKS: site/index.htm
    Added to queue: site/a.htm
    Found in queue: site/a.htm
    Added to queue: site/b.htm
    Found in queue: site/index.htm
  > LINKS EXTRACTED: site/index.htm
 
>>> PROCESSING: site/a.htm
  > READING: site/a.htm
  > DONE: site/a.htm
  + ADDED TO TREE: site/a.htm
  +        PARENT: site/index.htm
  > EXTRACTING LINKS: site/a.htm
    Found in queue: site/b.htm
    Found in queue and already indexed: site/index.htm
  > LINKS EXTRACTED: site/a.htm
 
>>> PROCESSING: site/b.htm
  > READING: site/b.htm
  > DONE: site/b.htm
  + ADDED TO TREE: site/b.htm
  +        PARENT: site/index.htm
  > EXTRACTING LINKS: site/b.htm
    Found in queue and already indexed: site/a.htm
  > LINKS EXTRACTED: site/b.htm
 
>>> PROCESSING: site/index.htm
  > ALREADY INDEXED: site/index.htm
  + ADDED TO TREE: site/index.htm
  +        PARENT: site/index.htm
 
>>> PROCESSING: site/b.htm
  > ALREADY INDEXED: site/b.htm
  + ADDED TO TREE: site/b.htm
  +        PARENT: site/a.htm
 
>>> PROCESSING: site/index.htm
  > ALREADY INDEXED: site/index.htm
  + ADDED TO TREE: site/index.htm
  +        PARENT: site/a.htm
 
>>> PROCESSING: site/a.htm
  > ALREADY INDEXED: site/a.htm
  + ADDED TO TREE: site/a.htm
  +        PARENT: site/b.htm
)");
  // The log is kept beside the page, with CR LF line ends.
  const std::string saved = readFile(path(kCrawlLogName));
  EXPECT_EQ(saved.substr(0, 20), " \r\n>>> PROCESSING: /");
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 51);
}

TEST_F(LocalCrawl, APageLinkingToItselfEndsTheWalk) {
  write("site/index.htm", "<title>Loop</title><a href=\"index.htm\">again</a>");
  const CrawlResult result = crawl("site/index.htm");
  EXPECT_TRUE(result.succeeded);
  EXPECT_EQ(read(result), Paths{"site/index.htm"});
  EXPECT_EQ(tree(), "New Node | ->\nindex.htm |Loop ->link:site/index.htm\n  index.htm |Loop ->link:site/index.htm\n");
}

TEST_F(LocalCrawl, ForeignLinksGetNodesButAreNeverRead) {
  write("outside.htm", "<title>Outside</title><a href=\"never.htm\">");
  write("site/index.htm",
        "<a href=\"mailto:me@x.org\"> <a href=\"ftp://files/f.zip\"> <a href=\"http://other.org/o.htm\">"
        "<a href=\"picture.gif\"> <a href=\"index.php\"> <a href=\"../outside.htm\"> <a href=\"sub/deep.htm\">");
  write("site/index.php", "<a href=\"never.htm\">");
  write("site/sub/deep.htm", "<title>Deep</title>");
  const CrawlResult result = crawl("site/index.htm");
  EXPECT_EQ(read(result), (Paths{"site/index.htm", "site/sub/deep.htm"}));
  EXPECT_EQ(tree(),
            "New Node | ->\n"
            "index.htm |index.htm ->link:site/index.htm\n"
            "  me@x.org |me@x.org ->mailto:me@x.org\n"
            "  f.zip |files/f.zip ->ftp://files/f.zip\n"
            "  o.htm |o.htm ->http://other.org/o.htm\n"
            "  picture.gif |picture.gif ->link:site/picture.gif\n"
            "  index.php |index.php ->link:site/index.php\n"
            "  outside.htm |outside.htm ->link:outside.htm\n"
            "  deep.htm |Deep ->link:site/sub/deep.htm\n");
  const std::string text = log();
  EXPECT_NE(text.find("  > EXTERNAL LINK OR NO HTML FILE: site/picture.gif\n"), std::string::npos);
  EXPECT_NE(text.find("  > EXTERNAL LINK OR NO HTML FILE: mailto:me@x.org\n"), std::string::npos);
}

TEST_F(LocalCrawl, IndexSelectedFileOnlyReadsTheLinkedPagesForTheirTitles) {
  write("site/index.htm", "<a href=\"a.htm\"> <a href=\"b.htm\">");
  write("site/a.htm", "<title>Page A</title><a href=\"c.htm\">");
  write("site/b.htm", "<title>Page B</title>");
  write("site/c.htm", "<title>Page C</title>");
  indexer->settings.Site.FileOnly = true;
  const CrawlResult result = crawl("site/index.htm");
  EXPECT_EQ(read(result), (Paths{"site/index.htm", "site/a.htm", "site/b.htm"}));
  EXPECT_EQ(tree(),
            "New Node | ->\n"
            "index.htm |index.htm ->link:site/index.htm\n"
            "  a.htm |Page A ->link:site/a.htm\n"
            "  b.htm |Page B ->link:site/b.htm\n");
}

TEST_F(LocalCrawl, TitlesAreCutToTheMaximumWidth) {
  const std::string title45 = "A title of exactly forty-five characters long";
  ASSERT_EQ(title45.size(), 45u);
  write("site/index.htm", "<a href=\"long.htm\"> <a href=\"a-page-without-any-title-at-all.htm\">");
  write("site/long.htm", "<title>" + title45 + "</title>");
  write("site/a-page-without-any-title-at-all.htm", "<p>no title");
  struct Row {
    const char* width;
    const char* start;     // node text of index.htm, which has no title either
    const char* titled;    // node text of long.htm
    const char* untitled;  // node text of the page without a title
  } rows[] = {
      {"30", "index.htm", "A title of exactly forty-five ", "a-page-without-any-title-at-al"},
      {"5", "index", "A tit", "a-pag"},
      // Zero characters leave nothing, and an empty text becomes the address.
      {"0", "site/index.htm", "site/long.htm", "site/a-page-without-any-title-at-all.htm"},
      // A width that is no number keeps the link's name.
      {"wide", "index.htm", "long.htm", "a-page-without-any-title-at-all.htm"},
  };
  for (const Row& row : rows) {
    menu.tab(0).Nodes.clear();
    indexer->settings.Site.NodeText = kHTMLFileTitle;
    indexer->settings.Site.MaxWidth = row.width;
    crawl("site/index.htm");
    EXPECT_EQ(tree(), std::string(row.start) + " |index.htm ->link:site/index.htm\n" + "  " + row.titled + " |" +
                          title45 + " ->link:site/long.htm\n" + "  " + row.untitled +
                          " |a-page-without-any-title-at-all.htm ->link:site/a-page-without-any-title-at-all.htm\n")
        << "width " << row.width;
  }
}

TEST_F(LocalCrawl, UrlSettingsTakeTheMainWindowsLinkText) {
  write("site/index.htm", "<a href=\"a.htm\"> <a href=\"pic.gif\">");
  write("site/a.htm", "<title>A</title>");
  indexer->settings.Site.NodeText = kURL;
  indexer->settings.Site.StatusBar = kURL;
  indexer->settings.Site.Target = "_top";
  crawl("site/index.htm");
  EXPECT_EQ(tree(),
            "New Node | ->\n"
            "link:site/index.htm |link:site/index.htm ->link:site/index.htm\n"
            "  link:site/a.htm |link:site/a.htm ->link:site/a.htm\n"
            "  link:site/pic.gif |link:site/pic.gif ->link:site/pic.gif\n");
  EXPECT_EQ(menu.tab(0).Nodes.selected()->Data.Target1, "_top");
}

TEST_F(LocalCrawl, PathsKeepTheirCase) {
  // B.HTM does not exist; b.htm does. Were the two one address, b.htm would
  // count as indexed once B.HTM failed, and c.htm would never be found.
  write("site/index.htm", "<a href=\"B.HTM\"> <a href=\"a.htm\">");
  write("site/a.htm", "<a href=\"b.htm\">");
  write("site/b.htm", "<a href=\"c.htm\">");
  write("site/c.htm", "<title>C</title>");
  if (std::filesystem::exists(path("site/B.HTM"))) GTEST_SKIP() << "the file system ignores case";
  const CrawlResult result = crawl("site/index.htm");
  EXPECT_EQ(read(result), (Paths{"site/index.htm", "site/a.htm", "site/b.htm", "site/c.htm"}));
  EXPECT_NE(log().find("    Added to queue: site/b.htm\n"), std::string::npos);
}

TEST_F(LocalCrawl, LimitsEndAWalkThatWouldNotEnd) {
  // Every page links to a new one, as a calendar does.
  for (int i = 0; i < 6; ++i) {
    write("site/p" + std::to_string(i) + ".htm", "<a href=\"p" + std::to_string(i + 1) + ".htm\">");
  }
  struct Row {
    CrawlLimitFields limits;
    Paths read;
    const char* tree;
  } rows[] = {
      {{.MaxPages = "2"}, {"site/p0.htm", "site/p1.htm"},
       "p0.htm |p0.htm ->link:site/p0.htm\n  p1.htm |p1.htm ->link:site/p1.htm\n    p2.htm |p2.htm ->link:site/p2.htm\n"},
      {{.MaxDepth = "0"}, {"site/p0.htm"}, "p0.htm |p0.htm ->link:site/p0.htm\n"},
      {{.MaxDepth = "2"}, {"site/p0.htm", "site/p1.htm", "site/p2.htm"},
       "p0.htm |p0.htm ->link:site/p0.htm\n  p1.htm |p1.htm ->link:site/p1.htm\n    p2.htm |p2.htm ->link:site/p2.htm\n"},
  };
  for (const Row& row : rows) {
    menu.tab(0).Nodes.clear();
    indexer->settings.Limits = row.limits;
    const CrawlResult result = crawl("site/p0.htm");
    EXPECT_TRUE(result.succeeded);
    EXPECT_EQ(read(result), row.read);
    EXPECT_EQ(tree(), row.tree);
  }
  EXPECT_NE(log().find("  > DEPTH LIMIT REACHED (Max Depth = 2): site/p2.htm\n"), std::string::npos) << log();
}

TEST_F(LocalCrawl, TheTimeLimitEndsTheWalkAfterTheEntryInProgress) {
  write("site/p0.htm", "<a href=\"p1.htm\"> <a href=\"p2.htm\">");
  write("site/p1.htm", "");
  write("site/p2.htm", "");
  // Every look at the clock finds 20 minutes gone: the limit of 30 passes after the first entry.
  std::chrono::steady_clock::time_point clock;
  LocalPageSource pages(indexer->state().log);
  CrawlSurroundings surroundings{ui, menu, indexer->state(), pages, [](const std::string& file) { return file; },
                                 [&clock] { return clock += std::chrono::minutes(20); }};
  const CrawlResult result =
      crawlSite(CrawlMode::Local, path("site/p0.htm"), indexer->settings.Site, CrawlRules{}, surroundings);
  EXPECT_TRUE(result.succeeded) << "a limit ends the walk, it does not fail it";
  EXPECT_EQ(read(result), (Paths{"site/p0.htm", "site/p1.htm"}));
  EXPECT_NE(log().find("*** TIME LIMIT REACHED (Max Minutes = 30): the walk ends here\n"), std::string::npos) << log();
}

TEST_F(LocalCrawl, TheStartNodeJoinsTheSelectedLevelAndLeavesBecomeFolders) {
  NodeTree& nodes = menu.tab(0).Nodes;
  TreeNode& child = nodes.root().children().front()->appendChild("Child", {});
  nodes.select(&child);
  write("site/index.htm", "<a href=\"a.htm\">");
  write("site/a.htm", "");
  crawl("site/index.htm");
  EXPECT_EQ(tree(), "New Node | ->\n  Child | ->\n  index.htm |index.htm ->link:site/index.htm\n    a.htm |a.htm ->link:site/a.htm\n");
  const TreeNode& start = *nodes.root().children().front()->children().back();
  EXPECT_EQ(start.Data.CollapsedImage, kFolderClosed);
  EXPECT_EQ(start.Data.ExpandedImage, kFolderOpen);
  EXPECT_EQ(start.children().front()->Data.CollapsedImage, kLeaf);
  EXPECT_EQ(start.children().front()->Data.ExpandedImage, -1);
  EXPECT_EQ(nodes.selected(), start.children().front().get());
}

TEST_F(LocalCrawl, AMissingStartFileGivesTheStartNodeButNoSuccess) {
  const CrawlResult result = crawl("site/missing.htm");
  // As an unreachable start page in the Internet mode: the node, no message box, no success.
  EXPECT_FALSE(result.succeeded);
  EXPECT_TRUE(ui.messageTexts().empty());
  EXPECT_EQ(tree(), "New Node | ->\nmissing.htm |missing.htm ->link:site/missing.htm\n");
  EXPECT_EQ(log().find("  > DONE"), std::string::npos);
}

TEST_F(LocalCrawl, AnEmptyStartIsRefusedWithoutANode) {
  const CrawlResult result = indexer->crawl("");
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Site could not be indexed.\n\nPlease check \"Index File\"!"});
  EXPECT_EQ(tree(), "New Node | ->\n");
}

TEST_F(LocalCrawl, AbortEndsTheWalkAfterTheEntryInProgress) {
  write("site/index.htm", "<a href=\"a.htm\"> <a href=\"b.htm\">");
  ui.duringEvents = [this] {
    ui.duringEvents = nullptr;
    ui.answers.push_back(Answer::Yes);
    indexer->abortButtonClick();
  };
  indexer->state().setBusy(true);
  const CrawlResult result = crawl("site/index.htm");
  EXPECT_FALSE(result.succeeded);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"Stop Auto Indexer"}) << "no success box";
  EXPECT_EQ(tree(), "New Node | ->\nindex.htm |index.htm ->link:site/index.htm\n");
  EXPECT_FALSE(indexer->state().busy());
  EXPECT_TRUE(std::filesystem::exists(path(kCrawlLogName)));
}

TEST_F(LocalCrawl, ALogThatCannotBeWrittenIsTold) {
  std::filesystem::create_directory(path(kCrawlLogName));
  write("site/index.htm", "");
  EXPECT_TRUE(crawl("site/index.htm").succeeded);
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Site successfully indexed",
                                                         "The log " + path(kCrawlLogName) + " could not be written."}));
  EXPECT_FALSE(indexer->state().log.lines().empty()) << "the window keeps it";
}

TEST_F(LocalCrawl, AMenuNeverSavedKeepsItsLogInTheWindowOnly) {
  menu.Document.PagePath.clear();
  write("site/index.htm", "");
  crawl("site/index.htm");
  EXPECT_FALSE(indexer->state().log.lines().empty());
  EXPECT_FALSE(std::filesystem::exists(path(kCrawlLogName)));
}

}  // namespace
}  // namespace quillon::testing
