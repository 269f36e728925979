// quillon-cli index, end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.hpp"
#include "scripted_http_server.hpp"
#include "site_server.hpp"
#include "temp_dir.hpp"
#include "test_certificates.hpp"

namespace quillon::testing {
namespace {

namespace fs = std::filesystem;
using net::testing::refusingPort;
using net::testing::ScriptedHttpServer;
using net::testing::ServerScript;
using net::testing::ServerStep;
using Pages = std::map<std::string, SiteAnswer>;

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
  EXPECT_TRUE(contains(result.err, "  > PAGE LIMIT REACHED (Max Pages = 3): " + work + "/site/c.htm\n")) << result.err;
  EXPECT_TRUE(contains(result.err, "information: Site successfully indexed\n"));
  EXPECT_TRUE(contains(readFile(work + "/SiteIndexer.log"), ">>> PROCESSING: " + work + "/site/index.htm\r\n"));
  const std::string json = menuJson();
  EXPECT_TRUE(contains(json, "\"Text\": \"Welcome\"")) << json;
  EXPECT_TRUE(contains(json, "\"Text\": \"Page A\"")) << json;
  EXPECT_TRUE(contains(json, "\"Target1\": \"_top\"")) << json;
  EXPECT_TRUE(contains(readFile(home + "/config/Morvane/quillon.ini"), "Last%20File=" + work + "/site/index.htm") ||
              contains(readFile(home + "/config/Morvane/quillon.ini"), "Last File=" + work + "/site/index.htm"))
      << readFile(home + "/config/Morvane/quillon.ini");
}

TEST_F(IndexCommand, CrawlsAWebSiteAndListsThePagesRead) {
  // The start page links to itself: it is read once all the same.
  SiteServer server({{"/robots.txt", page("User-agent: *\nDisallow: /private/\n", "text/plain")},
                     {"/index.htm", page("<a href=\"a.htm\"><a href=\"index.htm#top\"><a href=\"private/p.htm\">")},
                     {"/a.htm", page("<title>A</title>")}});
  const std::string site = "127.0.0.1:" + std::to_string(server.port());
  // Without "http://" the address gets it, as in the window.
  const CliResult result = run("index url " + site + "/index.htm menu.htm --urls urls.txt");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(readFile(work + "/urls.txt"), "http://" + site + "/index.htm\nhttp://" + site + "/a.htm\n");
  EXPECT_EQ(server.requests(), (std::vector<std::string>{"GET /robots.txt HTTP/1.0", "GET /index.htm HTTP/1.0",
                                                         "GET /a.htm HTTP/1.0"}));
  EXPECT_TRUE(contains(result.err, "  > FORBIDDEN BY ROBOTS.TXT: http://" + site + "/private/p.htm\n")) << result.err;
  const std::string json = menuJson();
  EXPECT_TRUE(contains(json, "\"URL1\": \"http://" + site + "/index.htm\"")) << json;
  EXPECT_TRUE(contains(json, "\"URL1\": \"http://" + site + "/index.htm#top\"")) << json;
  EXPECT_TRUE(contains(json, "\"URL1\": \"http://" + site + "/a.htm\"")) << json;
  EXPECT_TRUE(fs::is_empty(std::getenv("XDG_CACHE_HOME") + std::string("/quillon/temp"))) << "the scratch folder goes";
}

TEST_F(IndexCommand, CrawlsAnHttpsSiteOnlyWhenItsCertificateIsTrusted) {
  net::testing::trustTestAuthority();
  const Pages pages = {{"/robots.txt", page("User-agent: *\nDisallow: /site/private/\n", "text/plain")},
                       {"/site/", page("<a href=\"a.htm\"><a href=\"private/p.htm\">")},
                       {"/site/a.htm", page("<title>A</title>")}};
  const std::string before = readFile(work + "/menu.htm");
  struct Row {
    const char* name;
    const net::testing::TlsIdentity& identity;
    bool crawled;
  };
  const auto& certificates = net::testing::testCertificates();
  for (const Row& row : {Row{"trusted", certificates.trusted, true}, Row{"self-signed", certificates.untrusted, false},
                         Row{"other host", certificates.wrongHost, false}}) {
    SiteServer server(byPath(pages), row.identity);
    const std::string site = "https://127.0.0.1:" + std::to_string(server.port());
    const CliResult result = run("index url " + site + "/site/ menu.htm --urls urls.txt");
    if (row.crawled) {
      ASSERT_EQ(result.exitCode, 0) << result.err;
      EXPECT_EQ(readFile(work + "/urls.txt"), site + "/site/\n" + site + "/site/a.htm\n");
      EXPECT_TRUE(contains(result.err, "  > FORBIDDEN BY ROBOTS.TXT: " + site + "/site/private/p.htm\n")) << result.err;
      EXPECT_TRUE(contains(menuJson(), "\"URL1\": \"" + site + "/site/a.htm\"")) << menuJson();
      ASSERT_EQ(run("write tree.json menu.htm").exitCode, 0);
    } else {
      EXPECT_EQ(result.exitCode, 1) << row.name;
      EXPECT_TRUE(contains(result.err, "certificate")) << row.name << ": " << result.err;
      EXPECT_FALSE(contains(result.err, "Site successfully indexed")) << row.name;
      EXPECT_EQ(readFile(work + "/menu.htm"), before) << row.name;
    }
  }
}

TEST_F(IndexCommand, TheLimitsAndSwitchesOfOneRun) {
  SiteServer server({{"/robots.txt", page("User-agent: *\nDisallow: /\n", "text/plain")},
                     {"/index.htm", page("<a href=\"a/\"><a href=\"b.htm\">")},
                     {"/a/", page("<title>A</title><a href=\"deeper.htm\">")},
                     {"/b.htm", page("<title>B</title>")}});
  const std::string site = "http://127.0.0.1:" + std::to_string(server.port());
  const CliResult result = run("index url " + site + "/index.htm menu.htm --robots no --pages-by-type no "
                               "--max-pages 2 --max-depth 1 --page-seconds 5 --max-minutes 2");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(server.requests(), (std::vector<std::string>{"GET /index.htm HTTP/1.0", "GET /b.htm HTTP/1.0"}));
  // The options were for this run: the kept settings are the window's.
  const std::string ini = readFile(home + "/config/Morvane/quillon.ini");
  EXPECT_TRUE(contains(ini, "Max%20Pages=10000") || contains(ini, "Max Pages=10000")) << ini;
  EXPECT_TRUE(contains(ini, "Obey%20Robots=Yes") || contains(ini, "Obey Robots=Yes")) << ini;
}

TEST_F(IndexCommand, AScratchFolderThatCannotBeMadeIsNamed) {
  const std::string cache = std::getenv("XDG_CACHE_HOME");
  writeFile(temp.file("cache-file"), "no folder");
  ::setenv("XDG_CACHE_HOME", temp.file("cache-file").c_str(), 1);
  const CliResult result = run("index url http://127.0.0.1:" + std::to_string(refusingPort()) + "/ menu.htm");
  ::setenv("XDG_CACHE_HOME", cache.c_str(), 1);
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_TRUE(contains(result.err, "error: The scratch folder of the crawl cannot be made in " +
                                       temp.file("cache-file") + "/quillon/temp: Not a directory\n"))
      << result.err;
  EXPECT_FALSE(contains(result.err, "Please check"));
}

TEST_F(IndexCommand, AFailedCrawlLeavesThePageAsItWas) {
  const std::string before = readFile(work + "/menu.htm");
  // An https start address is taken as it is, not refused.
  for (const char* scheme : {"http", "https"}) {
    const CliResult result = run("index url " + std::string(scheme) + "://127.0.0.1:" + std::to_string(refusingPort()) +
                                 "/index.htm menu.htm --urls urls.txt");
    EXPECT_EQ(result.exitCode, 1) << scheme;
    EXPECT_TRUE(contains(result.err, "*** Error ***\n")) << result.err;
    EXPECT_FALSE(contains(result.err, "Not a valid URL")) << result.err;
    EXPECT_FALSE(contains(result.err, "Site successfully indexed"));
    EXPECT_EQ(readFile(work + "/menu.htm"), before);
    EXPECT_EQ(readFile(work + "/urls.txt"), "");
  }
}

TEST_F(IndexCommand, AddsThePagesOfASitemapWithTheirTitlesOrRefusesANonSitemap) {
  SiteServer server({{"/sitemap.xml", page("<urlset><url><loc>http://127.0.0.1:{port}/docs/a.htm</loc></url>"
                                           "<url><loc>http://127.0.0.1:{port}/b.htm</loc></url></urlset>",
                                           "application/xml")},
                     {"/docs/a.htm", page("<title>Page A</title>")},
                     {"/b.htm", page("<title>Page B</title>")}});
  const std::string site = "http://127.0.0.1:" + std::to_string(server.port());
  const std::string before = readFile(work + "/menu.htm");
  writeFile(work + "/not-a-sitemap.xml", "<html></html>");
  const CliResult refused = run("index sitemap not-a-sitemap.xml menu.htm");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_TRUE(contains(refused.err, "error: The sitemap " + work +
                                        "/not-a-sitemap.xml cannot be used: its root element is <html>"))
      << refused.err;
  EXPECT_EQ(readFile(work + "/menu.htm"), before);

  const CliResult result = run("index sitemap " + site + "/sitemap.xml menu.htm --set 'node-text=HTML File Title' "
                               "--robots no --urls urls.txt");
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(readFile(work + "/urls.txt"), site + "/docs/a.htm\n" + site + "/b.htm\n");
  EXPECT_TRUE(contains(result.err, "information: Site successfully indexed\n"));
  EXPECT_TRUE(contains(readFile(work + "/SiteIndexer.log"), ">>> READING SITEMAP: " + site + "/sitemap.xml\r\n"));
  const std::string json = menuJson();
  EXPECT_TRUE(contains(json, "\"Text\": \"docs\"")) << json;
  EXPECT_LT(json.find("\"Text\": \"Page A\""), json.find("\"Text\": \"Page B\"")) << json;
  EXPECT_TRUE(contains(json, "\"URL1\": \"" + site + "/b.htm\"")) << json;

  const CliResult filtered = run("index sitemap " + site + "/sitemap.xml menu.htm --set 'node-text=HTML File Title' "
                                 "--robots no --exclude '*/docs/*' --urls urls.txt");
  ASSERT_EQ(filtered.exitCode, 0) << filtered.err;
  EXPECT_EQ(readFile(work + "/urls.txt"), site + "/b.htm\n");
  EXPECT_TRUE(contains(readFile(work + "/SiteIndexer.log"),
                       "  > LEFT OUT BY EXCLUDE PATTERN (*/docs/*): " + site + "/docs/a.htm\r\n"));
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
      {"index files a.htm menu.htm --urls u.txt", 2,
       "error: the limits, --robots, --pages-by-type, --crawl-delay, --include, --exclude and --urls apply to url, "
       "site and sitemap"},
      {"index files a.htm menu.htm --max-pages 3", 2, "error: the limits"},
      {"index files a.htm menu.htm --exclude *.pdf", 2, "error: the limits"},
      {"index site a.htm menu.htm --robots maybe", 2, "error: --robots, --pages-by-type and --crawl-delay are yes or no"},
      {"index url http://h/ menu.htm --crawl-delay 2", 2, "are yes or no"},
      {"index site a.htm menu.htm --max-pages 0", 1, "error: Max Pages must be a whole number from 1 to 10000000"},
      {"index site a.htm menu.htm --max-depth -1", 1, "error: Max Depth must be a whole number from 0 to 10000"},
      {"index url http://h/ menu.htm --connections 0", 1, "error: Connections must be a whole number from 1 to 32"},
      {"index url http://h/ menu.htm --connections 33", 1, "error: Connections must be a whole number from 1 to 32"},
      {"index url http://h/ menu.htm --delay soon", 1, "error: Delay (ms) must be a whole number from 0 to 60000"},
      {"index site a.htm menu.htm --set colour=red", 2, "error: no option colour for this mode"},
      {"index site a.htm menu.htm --set proxy-host=p", 2, "error: no option proxy-host for this mode"},
      {"index site a.htm menu.htm --set node-text=Title", 2,
       "error: node-text is one of \"File Name\", \"HTML File Title\", \"URL\", \"\""},
      {"index site a.htm menu.htm --set file-only=maybe", 2, "error: file-only is yes or no"},
      {"index url http://host//x.htm menu.htm", 2, "error: Not a valid URL"},
      {"index url https://host//x.htm menu.htm", 2, "error: Not a valid URL"},
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
