// quillon-cli generate xml-sitemap, end to end.
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::readFile;
using testing::runCli;
using testing::writeFile;

TEST(GenerateXmlSitemap, WritesTheSitemapOrRefusesTheBaseUrl) {
  testing::TempDir temp;
  const std::string home = temp.file("home");
  const std::string work = temp.file("work");
  fs::create_directories(work + "/site");
  writeFile(home + "/program/files/JClass/TrellTreeR.class", "tree applet");
  writeFile(work + "/tree.json", R"({"Kind": "akTree", "Settings": {"Codebase": "java/"},
    "Tabs": [{"Nodes": [{"Text": "Home", "Data": {"URL1": "../index.htm"}},
                        {"Text": "Mail", "Data": {"URL1": "mailto:me@example.com"}}]}]})");
  ASSERT_EQ(runCli("write tree.json site/menu.htm", work, home).exitCode, 0);

  const struct {
    std::string baseUrl;
    int exitCode;
    std::string out;
    std::string error;
  } cases[] = {
      {"", 1, "", "Please enter the base URL"},
      {"ftp://www.example.com/", 1, "", "is not an http:// or https:// address"},
      {"https://www.example.com/", 0, "Add this line to robots.txt: Sitemap: https://www.example.com/sitemap.xml\n", ""},
  };
  for (const auto& c : cases) {
    const auto result = runCli("generate xml-sitemap site/menu.htm --set base-url=" + c.baseUrl, work, home);
    EXPECT_EQ(result.exitCode, c.exitCode) << c.baseUrl << result.err;
    EXPECT_EQ(result.out, c.out) << c.baseUrl;
    EXPECT_NE(result.err.find(c.error), std::string::npos) << result.err;
    EXPECT_EQ(fs::exists(work + "/site/sitemap.xml"), c.exitCode == 0) << c.baseUrl;
  }
  const std::string sitemap = readFile(work + "/site/sitemap.xml");
  EXPECT_NE(sitemap.find("<url><loc>https://www.example.com/index.htm</loc></url>"), std::string::npos) << sitemap;
  EXPECT_EQ(sitemap.find("mailto"), std::string::npos);
}

}  // namespace
}  // namespace quillon
