// The sitemaps.org files: written within their bounds, read back, and
// malformed ones refused with what is wrong.
#include <gtest/gtest.h>

#include "format/xml_sitemap.hpp"

namespace quillon {
namespace {

using Addresses = std::vector<std::string>;

TEST(XmlSitemap, EscapesTheFiveCharactersAndReadsThemBack) {
  const std::string address = "https://h/a?x=1&y='2'&z=\"<3>\"";
  EXPECT_EQ(escapeXml(address), "https://h/a?x=1&amp;y=&apos;2&apos;&amp;z=&quot;&lt;3&gt;&quot;");
  const std::vector<std::string> files = urlsetTexts({address});
  ASSERT_EQ(files.size(), 1u);
  std::string problem;
  const auto read = parseSitemap(files[0], problem);
  ASSERT_TRUE(read) << problem;
  EXPECT_EQ(read->kind, SitemapKind::UrlSet);
  EXPECT_EQ(read->locations, Addresses{address});
}

TEST(XmlSitemap, SplitsByEntriesAndBytes) {
  Addresses addresses;
  for (int k = 0; k < 7; ++k) addresses.push_back("https://h/" + std::to_string(k));
  std::vector<std::size_t> counts;
  for (const SitemapBounds bounds : {SitemapBounds{3, xml_sitemap::kMaxBytes}, SitemapBounds{100, 300}}) {
    const std::vector<std::string> files = urlsetTexts(addresses, bounds);
    EXPECT_GT(files.size(), 1u);
    Addresses back;
    for (const std::string& file : files) {
      EXPECT_LE(file.size(), bounds.bytes);
      std::string problem;
      const auto read = parseSitemap(file, problem, bounds.entries);
      ASSERT_TRUE(read) << problem;
      back.insert(back.end(), read->locations.begin(), read->locations.end());
    }
    EXPECT_EQ(back, addresses);
    counts.push_back(files.size());
  }
  EXPECT_EQ(counts.front(), 3u);
}

TEST(XmlSitemap, ReadsAnIndexWithPrefixesCommentsAndCdata) {
  const std::string index = sitemapIndexText({"https://h/s-1.xml", "https://h/s-2.xml"});
  std::string problem;
  const auto read = parseSitemap(index, problem);
  ASSERT_TRUE(read) << problem;
  EXPECT_EQ(read->kind, SitemapKind::Index);
  EXPECT_EQ(read->locations, (Addresses{"https://h/s-1.xml", "https://h/s-2.xml"}));

  const auto odd = parseSitemap(
      "\xEF\xBB\xBF<?xml version=\"1.0\"?><!-- made by hand -->\n<s:urlset xmlns:s=\"x\" xmlns:image=\"i\">"
      "<s:url><s:loc> <![CDATA[https://h/a&b]]> </s:loc><image:image><image:loc>https://h/p.png</image:loc>"
      "</image:image></s:url><s:url><s:loc/></s:url></s:urlset>\n",
      problem);
  ASSERT_TRUE(odd) << problem;
  EXPECT_EQ(odd->locations, Addresses{"https://h/a&b"});
}

TEST(XmlSitemap, RefusesMalformedSitemapsSayingWhy) {
  const std::string longAddress = "https://h/" + std::string(xml_sitemap::kMaxAddressLength, 'a');
  const struct {
    std::string text;
    std::string problem;
  } cases[] = {
      {"", "it is empty"},
      {"hello", "it is not XML"},
      {"<html><body></body></html>", "its root element is <html>, not <urlset> or <sitemapindex>"},
      {"<!DOCTYPE urlset [<!ENTITY a 'b'>]><urlset/>", "it declares a document type at line 1"},
      {"<urlset>\n<url><loc>https://h/</loc></url>", "it ends before </urlset>"},
      {"<urlset>\n<url>\n<loc>https://h/</loc>\n</urlset>", "the element <url> at line 2 is closed by </urlset>"},
      {"<urlset><url>\n<loc>https://h/</url></urlset>", "the <loc> at line 2 is not closed"},
      {"<urlset><url><loc>  </loc></url></urlset>", "the <loc> at line 1 is empty"},
      {"<urlset><url><loc>" + longAddress + "</loc></url></urlset>", "the <loc> at line 1 is longer than 2047 characters"},
      {"<urlset><url><loc>a</loc></url><url><loc>b</loc></url><url><loc>c</loc></url></urlset>",
       "it lists more than 2 addresses"},
      {"<urlset></urlset>\n<urlset>", "something follows its root element at line 2"},
      {"<urlset><url <loc>", "a tag at line 1 is not closed"},
      {"<urlset><url", "a tag at line 1 is not closed"},
      {"<urlset><!-- never closed", "a comment at line 1 is not closed"},
  };
  for (const auto& c : cases) {
    std::string problem;
    EXPECT_FALSE(parseSitemap(c.text, problem, 2)) << c.text;
    EXPECT_EQ(problem, c.problem) << c.text;
  }
}

}  // namespace
}  // namespace quillon
