// The XML sitemap of a menu: which links it lists, the index beyond one file,
// and what it refuses.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "generator_fixture.hpp"
#include "generators/xml_sitemap_generator.hpp"

namespace quillon {
namespace {

using testing::GeneratorFixture;
using Addresses = std::vector<std::string>;

std::string fileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A Tree menu whose nodes link to the links given, in order.
void linkedMenu(GeneratorFixture& f, const Addresses& links) {
  testing::Outline outline;
  for (std::size_t k = 0; k < links.size(); ++k) outline.emplace_back("n" + std::to_string(k), 0);
  f.treeMenu(outline);
  int k = 0;
  f.menu.tab(0).Nodes.forEachInPageOrder([&](TreeNode& node, int) { node.Data.URL1 = links[k++]; });
}

TEST(XmlSitemapGenerator, ListsEachPageOfItsOwnSiteOnce) {
  GeneratorFixture f;
  linkedMenu(f, {"../a.htm", "../a.htm#part", "../dir/b c.htm", "/root.htm", "http://www.example.com:80/a.htm",
                 "https://www.example.com/a.htm", "mailto:me@example.com", "#top", "none",
                 "http://other.example/x.htm", "../q.htm?x=1&y=2"});
  // Links are written relative to the class folder.
  f.menu.Settings.Codebase = "java/";
  std::string problem;
  const auto base = sitemapBase("HTTP://WWW.Example.com/site", problem);
  ASSERT_TRUE(base) << problem;
  EXPECT_EQ(sitemapAddresses(f.menu, *base).addresses,
            (Addresses{"http://www.example.com/site/a.htm", "http://www.example.com/site/dir/b%20c.htm",
                       "http://www.example.com/root.htm", "http://www.example.com/a.htm",
                       "http://www.example.com/site/q.htm?x=1&y=2"}));
}

// Plain links are joined to the base directly; their look-alikes must still
// get the full reference rules.
TEST(XmlSitemapGenerator, PlainLinksAndTheirLookAlikesResolveAlike) {
  GeneratorFixture f;
  linkedMenu(f, {"a.htm", "a/./b.htm", "a/../c.htm", "..", "./", "a//d.htm", "e f.htm", "g%20h.htm", "i.htm#x",
                 "caf\xC3\xA9.htm", "j.htm?k=1", "k|l.htm", "sub/", "//other.example/m.htm", "HTTPS://www.example.com:443/n"});
  std::string problem;
  const auto base = sitemapBase("https://WWW.example.com:443/site/", problem);
  ASSERT_TRUE(base) << problem;
  const std::string site = "https://www.example.com/site/";
  EXPECT_EQ(sitemapAddresses(f.menu, *base).addresses,
            (Addresses{site + "a.htm", site + "a/b.htm", site + "c.htm", "https://www.example.com/", site, site + "a//d.htm",
                       site + "e%20f.htm", site + "g%20h.htm", site + "i.htm", site + "caf%C3%A9.htm",
                       site + "j.htm?k=1", site + "k%7Cl.htm", site + "sub/", "https://www.example.com/n"}));
}

// Links that name the site itself are taken as written when nothing in them
// would change; each must come out as the full reference rules make it.
TEST(XmlSitemapGenerator, AbsoluteLinksAgreeWithTheFullRules) {
  std::string problem;
  const auto base = sitemapBase("https://www.example.com/site/", problem);
  ASSERT_TRUE(base) << problem;
  const std::string site = "https://www.example.com";
  for (const std::string& link : Addresses{
           site + "/site/a.htm", site + "/a.htm#part", site + "/site/../b.htm", site + "/./c.htm", site + "/d.htm?x=1",
        "HTTPS://www.example.com/e.htm", "https://WWW.EXAMPLE.COM/f.htm", "https://www.example.com:443/g.htm",
        "https://www.example.com:8443/h.htm", "http://www.example.com/i.htm", site + ".evil.example/j.htm",
        "https://user@www.example.com/k.htm", site + "/", site, site + "//l.htm", site + "/m n.htm",
        site + "/caf\xC3\xA9.htm", site + "/o%20p.htm", site + "/q|r.htm", "mailto:me@www.example.com", site + "/s/",
        site + "/t/..", site + "/u:v.htm", site + "/w/.", site + "/x.htm?"}) {
    GeneratorFixture f;
    linkedMenu(f, {link});
    const WebAddress full = normalised(resolveReference(*base, link));
    const Addresses expected =
        full.scheme == "https" && originOf(full) == originOf(*base) ? Addresses{full.text(false)} : Addresses{};
    EXPECT_EQ(sitemapAddresses(f.menu, *base).addresses, expected) << link;
  }
}

TEST(XmlSitemapGenerator, RefusesABaseUrlThatIsMissingOrNotWeb) {
  for (const std::string url : {"", "   ", "www.example.com", "ftp://example.com/", "mailto:me@example.com", "http://"}) {
    std::string problem;
    EXPECT_FALSE(sitemapBase(url, problem)) << url;
    EXPECT_NE(problem, "") << url;
    EXPECT_EQ(robotsSitemapLine(url), "") << url;
  }
  EXPECT_EQ(robotsSitemapLine("https://www.example.com"), "Sitemap: https://www.example.com/sitemap.xml");
}

TEST(XmlSitemapGenerator, WritesAnIndexAndNumberedFilesBeyondOneFile) {
  GeneratorFixture f;
  linkedMenu(f, {"a.htm", "b.htm", "c.htm", "d.htm", "e.htm"});
  const GenerationResult result =
      generateXmlSitemap({"https://www.example.com/"}, f.context, false, SitemapBounds{2, xml_sitemap::kMaxBytes});
  ASSERT_TRUE(result.written()) << result.failure;
  EXPECT_EQ(result.pagePath, f.site("sitemap.xml"));
  EXPECT_EQ(result.files, (Addresses{f.site("sitemap-1.xml"), f.site("sitemap-2.xml"), f.site("sitemap-3.xml"),
                                     f.site("sitemap.xml")}));
  std::string problem;
  const auto index = parseSitemap(fileText(f.site("sitemap.xml")), problem);
  ASSERT_TRUE(index) << problem;
  EXPECT_EQ(index->kind, SitemapKind::Index);
  EXPECT_EQ(index->locations, (Addresses{"https://www.example.com/sitemap-1.xml", "https://www.example.com/sitemap-2.xml",
                                         "https://www.example.com/sitemap-3.xml"}));
  const auto last = parseSitemap(fileText(f.site("sitemap-3.xml")), problem);
  ASSERT_TRUE(last) << problem;
  EXPECT_EQ(last->locations, Addresses{"https://www.example.com/e.htm"});
}

TEST(XmlSitemapGenerator, LeavesFilesItDoesNotOwnAndWritesNothing) {
  GeneratorFixture f;
  linkedMenu(f, {"a.htm"});
  { std::ofstream(f.site("sitemap.xml")) << "my own notes"; }
  const struct {
    std::string baseUrl;
  } cases[] = {{"https://www.example.com/"}, {"file:///x/"}};
  for (const auto& c : cases) {
    const GenerationResult result = generateXmlSitemap({c.baseUrl}, f.context, false);
    EXPECT_FALSE(result.written()) << c.baseUrl;
    EXPECT_NE(result.failure, "") << c.baseUrl;
  }
  EXPECT_EQ(fileText(f.site("sitemap.xml")), "my own notes");

  linkedMenu(f, {"http://other.example/"});
  std::filesystem::remove(f.site("sitemap.xml"));
  EXPECT_FALSE(generateXmlSitemap({"https://www.example.com/"}, f.context, false).written());
  EXPECT_FALSE(std::filesystem::exists(f.site("sitemap.xml")));
}

}  // namespace
}  // namespace quillon
