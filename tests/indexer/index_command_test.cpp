// quillon-cli index, end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.hpp"
#include "scripted_http_server.hpp"
#include "temp_dir.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;
using net::testing::refusingPort;
using net::testing::ScriptedHttpServer;
using net::testing::ServerScript;
using net::testing::ServerStep;

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

class IndexCommand : public ::testing::Test {
 protected:
  TempDir temp;
  std::string home = temp.file("home");
  std::string work = temp.file("work");

  void SetUp() override {
    writeFile(home + "/program/files/JClass/TrellTreeR.class", "tree applet");
    writeFile(work + "/tree.json", R"({"Kind": "akTree", "Settings": {"UseIcons": false},
      "Tabs": [{"Nodes": [{"Text": "Home", "Data": {"URL1": "index.htm"}}]}]})");
    ASSERT_EQ(run("write tree.json menu.htm").exitCode, 0);
  }
  CliResult run(const std::string& args) { return runCli(args, work, home); }
  std::string menuJson() { return run("read menu.htm").out; }
};

TEST_F(IndexCommand, CrawlsASiteOnDiskIntoThePageAndSavesIt) {
  writeFile(work + "/site/index.htm", "<title>Welcome to the site</title><a href=\"a.htm\"><a href=\"b.htm\">");
  writeFile(work + "/site/a.htm", "<title>Page A</title><a href=\"c.htm\">");
  writeFile(work + "/site/b.htm", "<title>Page B</title>");
  writeFile(work + "/site/c.htm", "<title>Page C</title>");
  const CliResult result = run(
      "index site site/index.htm menu.htm --set 'node-text=HTML File Title' --set max-width=7 --set target=_top "
      "--max-pages 3 --urls urls.txt");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(readFile(work + "/urls.txt"), work + "/site/index.htm\n" + work + "/site/a.htm\n" + work + "/site/b.htm\n");
  EXPECT_TRUE(contains(result.err, "  > PAGE LIMIT REACHED: " + work + "/site/c.htm\n")) << result.err;
  EXPECT_TRUE(contains(result.err, "information: Site successfully indexed\n"));
  EXPECT_TRUE(contains(readFile(work + "/SiteIndexer.log"), ">>> PROCESSING: " + work + "/site/index.htm\r\n"));
  const std::string json = menuJson();
  EXPECT_TRUE(contains(json, "\"Text\": \"Welcome\"")) << json;
  EXPECT_TRUE(contains(json, "\"Text\": \"Page A\"")) << json;
  EXPECT_TRUE(contains(json, "\"Target1\": \"_top\"")) << json;
  EXPECT_TRUE(contains(readFile(home + "/program/quillon.ini"), "Last%20File=" + work + "/site/index.htm") ||
              contains(readFile(home + "/program/quillon.ini"), "Last File=" + work + "/site/index.htm"))
      << readFile(home + "/program/quillon.ini");
}

TEST_F(IndexCommand, CrawlsAWebSiteAndListsThePagesRead) {
  ServerScript script;
  // The start page links to itself, so it is read a second time.
  const char* start = "<a href=\"a.htm\"><a href=\"index.htm\">";
  for (const char* body : {start, "<title>A</title>", start}) {
    script.connections.push_back({{ServerStep::Kind::ReadRequest, "", {}},
                                  {ServerStep::Kind::Send, std::string("HTTP/1.0 200 OK\r\n\r\n") + body, {}}});
  }
  ScriptedHttpServer server(script);
  const std::string site = "127.0.0.1:" + std::to_string(server.port());
  // Without "http://" the address gets it, as in the window.
  const CliResult result = run("index url " + site + "/index.htm menu.htm --urls urls.txt");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(readFile(work + "/urls.txt"), "http://" + site + "/index.htm\nhttp://" + site + "/a.htm\n");
  EXPECT_TRUE(contains(menuJson(), "\"URL1\": \"http://" + site + "/index.htm\""));
  EXPECT_TRUE(fs::is_empty(home + "/program/temp")) << "the downloads go when the indexer closes";
}

TEST_F(IndexCommand, AFailedCrawlLeavesThePageAsItWas) {
  const std::string before = readFile(work + "/menu.htm");
  const CliResult result =
      run("index url http://127.0.0.1:" + std::to_string(refusingPort()) + "/index.htm menu.htm --urls urls.txt");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(contains(result.err, "*** Error ***\n")) << result.err;
  EXPECT_FALSE(contains(result.err, "Site successfully indexed"));
  EXPECT_EQ(readFile(work + "/menu.htm"), before);
  EXPECT_EQ(readFile(work + "/urls.txt"), "");
}

TEST_F(IndexCommand, AddsLocalFilesOnTheFirstNodesLevel) {
  writeFile(work + "/docs/a.htm", "<title>A</title>");
  writeFile(work + "/docs/b.htm", "<title>B</title>");
  const CliResult result =
      run("index files docs/a.htm docs/b.htm menu.htm --set 'link=Relative to Saved HTML File'");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(contains(result.err, "information: Files successfully added\n"));
  const std::string json = menuJson();
  EXPECT_TRUE(contains(json, "\"URL1\": \"docs/a.htm\"")) << json;
  EXPECT_LT(json.find("\"Text\": \"a.htm\""), json.find("\"Text\": \"b.htm\""));
}

TEST_F(IndexCommand, RefusesWhatItCannotDo) {
  writeFile(work + "/tab.json", R"({"Kind": "akTab", "Tabs": [{"Caption": "One"}]})");
  ASSERT_EQ(run("write tab.json tab.htm").exitCode, 0);
  const struct {
    const char* args;
    int exitCode;
    const char* message;
  } rows[] = {
      {"index site a.htm b.htm menu.htm", 2, "error: site takes one start file and the page"},
      {"index files a.htm menu.htm --urls u.txt", 2, "error: --max-pages, --max-depth and --urls apply"},
      {"index site a.htm menu.htm --set colour=red", 2, "error: no option colour for this mode"},
      {"index site a.htm menu.htm --set proxy-host=p", 2, "error: no option proxy-host for this mode"},
      {"index site a.htm menu.htm --set node-text=Title", 2,
       "error: node-text is one of \"File Name\", \"HTML File Title\", \"URL\", \"\""},
      {"index site a.htm menu.htm --set file-only=maybe", 2, "error: file-only is yes or no"},
      {"index url http://host//x.htm menu.htm", 2, "error: Not a valid URL"},
      {"index site a.htm tab.htm", 1, "holds a Tab menu, which has no tree"},
      {"index crawl a.htm menu.htm", 2, "MODE"},
  };
  for (const auto& row : rows) {
    const CliResult result = run(row.args);
    EXPECT_EQ(result.exitCode, row.exitCode) << row.args << "\n" << result.err;
    EXPECT_TRUE(contains(result.err, row.message)) << row.args << "\n" << result.err;
  }
}

}  // namespace
}  // namespace quillon::testing
