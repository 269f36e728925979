// The site map's lines in both constructions, and the page around them.
#include <gtest/gtest.h>

#include "generator_fixture.hpp"
#include "generators/sitemap_generator.hpp"

namespace quillon {
namespace {

using testing::GeneratorFixture;
using Lines = std::vector<std::string>;

const std::string kUnit = "&nbsp;&nbsp;&nbsp;&nbsp;";

SiteMapOptions outline() {
  SiteMapOptions options;
  options.construction = SiteMapConstruction::Outline;
  return options;
}

Lines mapOf(GeneratorFixture& f, const SiteMapOptions& options) {
  showPageStyle(f.style, false);
  return siteMapLines(options, f.menu, f.style.form, f.ui);
}

TEST(SiteMap, TreeMenuInBothConstructions) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}, {"B", 1}, {"C", 1}});
  EXPECT_EQ(mapOf(f, SiteMapOptions{}), (Lines{"<A>A</A>", "<BR><NOBR>" + kUnit + "<A>B</A>", "| <A>C</A>"}));
  EXPECT_EQ(mapOf(f, outline()), (Lines{"<A>A</A><BR>", kUnit + "<A>B</A><BR>", kUnit + "<A>C</A><BR>"}));

  SiteMapOptions wrapping;
  wrapping.noLineWrap = false;
  wrapping.token = ";";
  EXPECT_EQ(mapOf(f, wrapping), (Lines{"<A>A</A>", "<BR>" + kUnit + "<A>B</A>", "; <A>C</A>"}));
}

TEST(SiteMap, BranchesAfterTheFirstCloseTheirNoWrap) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}, {"B", 1}, {"C", 0}, {"D", 1}});
  SiteMapOptions options;
  options.upperCaseRoots = true;
  options.breakBeforeRoots = true;
  EXPECT_EQ(mapOf(f, options), (Lines{"<A>A</A>", "<BR><NOBR>" + kUnit + "<A>B</A>", "<BR>", "</NOBR><BR><NOBR><A>C</A>",
                                      "</NOBR><BR><NOBR>" + kUnit + "<A>D</A>"}));
}

TEST(SiteMap, NoIndentSpacesWriteNoBlanks) {
  GeneratorFixture f;
  f.tabTreeMenu({{"One", {{"a", 0}, {"b", 1}}}});
  for (const char* none : {"none", "0", "x"}) {
    SiteMapOptions options = outline();
    options.indentSpaces = none;
    for (const auto& line : mapOf(f, options)) EXPECT_EQ(line.find("&nbsp;"), std::string::npos) << none << ": " << line;
  }
}

TEST(SiteMap, TabTreeMenusHeadEachTabAndIndentOneUnitMore) {
  GeneratorFixture f;
  f.tabTreeMenu({{"One", {{"a", 0}, {"b", 0}, {"c", 1}}}, {"Two", {{"d", 0}}}});
  EXPECT_EQ(mapOf(f, SiteMapOptions{}),
            (Lines{"ONE<BR>", kUnit + "<A>a</A>", "<BR><NOBR>" + kUnit + "<A>b</A>",
                   "</NOBR><BR><NOBR>" + kUnit + kUnit + "<A>c</A>", "</NOBR><BR><BR>", "TWO",
                   "</NOBR><BR><NOBR>" + kUnit + "<A>d</A>"}));
  EXPECT_EQ(mapOf(f, outline()),
            (Lines{"ONE<BR>", kUnit + "<A>a</A><BR>", kUnit + "<A>b</A><BR>", kUnit + kUnit + "<A>c</A><BR>",
                   "</NOBR><BR><BR>", "TWO<br>", kUnit + "<A>d</A><BR>"}));
}

TEST(SiteMap, ALineBreakBeforeATabNeedsTwoEntriesBeforeIt) {
  GeneratorFixture f;
  f.tabTreeMenu({{"One", {{"a", 0}}}, {"Two", {{"b", 0}}}});
  SiteMapOptions options = outline();
  options.upperCaseTabs = false;
  options.noLineWrap = false;
  EXPECT_EQ(mapOf(f, options), (Lines{"One<BR>", kUnit + "<A>a</A><BR>", "<BR>", "Two", kUnit + "<A>b</A><BR>"}));
}

TEST(SiteMap, TargetsFollowTheTargetSettings) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}, {"B", 0}});
  auto& nodes = f.menu.tab(0).Nodes.root().children();
  nodes[0]->Data.URL1 = "a.htm?x=1&y=\"2\"";
  nodes[0]->Data.Target1 = "main";
  nodes[1]->Data.URL1 = "b.htm";
  nodes[1]->Data.Target1 = "NONE";
  SiteMapOptions options = outline();
  EXPECT_EQ(mapOf(f, options), (Lines{"<A HREF=\"a.htm?x=1&amp;y=&quot;2&quot;\">A</A><BR>", "<A HREF=\"b.htm\">B</A><BR>"}));
  options.target = "side";
  EXPECT_EQ(mapOf(f, options).at(1), "<A HREF=\"b.htm\" TARGET=\"side\">B</A><BR>");
  options.useMainTarget = true;
  EXPECT_EQ(mapOf(f, options),
            (Lines{"<A HREF=\"a.htm?x=1&amp;y=&quot;2&quot;\" TARGET=\"main\">A</A><BR>",
                   "<A HREF=\"b.htm\" TARGET=\"\">B</A><BR>"}));
}

TEST(SiteMap, TabMenusUpperCaseTheirTabsAndFontsCloseAfterTheAnchor) {
  GeneratorFixture f;
  f.tabMenu({"Home", "A&B"});
  showPageStyle(f.style, false);
  f.style.form.useDefaultFonts = false;
  f.style.form.fontLevel1 = PageFont{"Arial", 12, true};
  confirmPageStyle(f.style);
  EXPECT_EQ(mapOf(f, outline()),
            (Lines{"<A><B><font face=\"Arial\" size=\"3\" color=\"#000000\">HOME</A></font></B><BR>",
                   "<A><B><font face=\"Arial\" size=\"3\" color=\"#000000\">A&amp;B</A></font></B><BR>"}));
}

TEST(SiteMap, PageHasBodyTitleMapAndEnd) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  f.menu.Document.BodyTag = "<BODY text=\"#000000\">";
  const GenerationResult result = generateSiteMap(SiteMapOptions{}, f.context, true);
  ASSERT_TRUE(result.written()) << result.failure;
  EXPECT_EQ(result.pagePath, f.site("~MySiteMap.htm"));
  const Lines page = f.lines("~MySiteMap.htm");
  ASSERT_EQ(page.size(), 14u);
  EXPECT_EQ(page[sitemap_lines::kBody], "<BODY text=\"#000000\">");
  EXPECT_EQ(page[sitemap_lines::kTitle], "<H2>Morvane's Quillon - Site Map</H2>");
  EXPECT_EQ(page[12], "<A>A</A>");
  EXPECT_EQ(page[13], "</BODY></HTML>");
}

TEST(SiteMap, ATemplateShorterThanTwelveLinesWritesNothing) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  f.useTemplates({{"sitemap.htm", "<html>\n<BODY>\n"}});
  const GenerationResult result = generateSiteMap(SiteMapOptions{}, f.context, false);
  EXPECT_FALSE(result.written());
  EXPECT_NE(result.failure.find("sitemap.htm"), std::string::npos);
}

}  // namespace
}  // namespace quillon
