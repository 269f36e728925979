// The drop-down box menu on the shipped template.
#include <gtest/gtest.h>

#include "generator_fixture.hpp"
#include "generators/dropdown_generator.hpp"

namespace quillon {
namespace {

using testing::GeneratorFixture;
using testing::linesAfter;
using Lines = std::vector<std::string>;

TEST(DropDownDisplayText, IndentsByLevel) {
  struct Case {
    const char* symbol;
    const char* count;
    const char* end;
    bool upper;
    int level;
    const char* expected;
  };
  const Case cases[] = {
      {"-", "3", ">", true, 2, "------>News"},
      {"-", "3", ">", true, 0, "NEWS"},
      {"-", "3", ">", false, 0, "News"},
      {"-", "2", ">", true, 1, "-->News"},
      {"-", "none", ">", true, 3, "News"},
      {"none", "2", ">", true, 3, "News"},
      {"-", "2", "none", true, 1, "--News"},
      {"ab", "3", "]", true, 1, "aba]News"},
      {"=", "9", ">", true, 40, nullptr},  // 360 wanted: cut at 255 repeats
      // Symbols are cut by characters, never inside one.
      {"\xC3\xA9", "3", ">", true, 1, "\xC3\xA9\xC3\xA9\xC3\xA9>News"},
      {"\xE2\x86\x92\xC2\xB7", "3", ">", true, 1, "\xE2\x86\x92\xC2\xB7\xE2\x86\x92>News"},
  };
  for (const Case& c : cases) {
    DropDownOptions options;
    options.indentSymbol = c.symbol;
    options.indentCount = c.count;
    options.endSymbol = c.end;
    options.upperCaseRoots = c.upper;
    const std::string text = dropDownDisplayText("News", c.level, options);
    if (c.expected) {
      EXPECT_EQ(text, c.expected) << c.symbol << " " << c.count << " " << c.level;
    } else {
      EXPECT_EQ(text, std::string(255, '=') + ">News");
    }
  }
}

TEST(DropDownDisplayText, UpperCasesEveryLetterOfARoot) {
  DropDownOptions options;
  EXPECT_EQ(dropDownDisplayText("caf\xC3\xA9 \xD0\xBC\xD0\xB8\xD1\x80", 0, options), "CAF\xC3\x89 \xD0\x9C\xD0\x98\xD0\xA0");
  options.indentSymbol = "\xC3\xA9";
  options.indentCount = "9";
  EXPECT_EQ(dropDownDisplayText("x", 40, options), [] {
    std::string cut;
    for (int k = 0; k < 255; ++k) cut += "\xC3\xA9";
    return cut + ">x";
  }()) << "255 repeats of the symbol at most";
}

TEST(DropDownJumpLine, LoadsTheWindowOrTheNamedFrame) {
  DropDownOptions options;
  EXPECT_EQ(dropDownJumpLine(options, "url"), "     window.location.href = url[i+1];");
  options.target = "main";
  EXPECT_EQ(dropDownJumpLine(options, "url"), "     window.location.href = url[i+1];") << "frames are off";
  options.useFrames = true;
  EXPECT_EQ(dropDownJumpLine(options, "url"), "     parent.main.location.href = url[i+1];");
  EXPECT_EQ(dropDownJumpLine(options, "url3"), "     parent.main.location.href = url3[i+1];");
  for (const auto& [name, line] : std::vector<std::pair<std::string, std::string>>{
           {"_top", "     window.open(url[i+1], \"_top\");"},
           {"top", "     window.open(url[i+1], \"top\");"},
           {"my \"frame\"", "     window.open(url[i+1], \"my \\\"frame\\\"\");"},
       }) {
    options.target = name;
    EXPECT_EQ(dropDownJumpLine(options, "url"), line) << name;
  }
  options.target = "";
  EXPECT_EQ(dropDownJumpLine(options, "url"), "     window.location.href = url[i+1];");
}

TEST(DropDownMenu, TreeMenuFillsTheTemplateAndSavesUnderItsName) {
  GeneratorFixture f;
  f.treeMenu({{"Home", 0}, {"News & <Views>", 1}, {"Old", 2}});
  auto& nodes = f.menu.tab(0).Nodes.root().children();
  nodes[0]->Data.URL1 = "index.htm";
  nodes[0]->children()[0]->Data.URL1 = "say \"hi\".htm";
  nodes[0]->children()[0]->Data.Target1 = "main";
  f.menu.Document.BodyTag = "<BODY bgcolor=\"#FFFFFF\">";
  DropDownOptions options;
  options.target = "side";

  const GenerationResult result = generateDDMenu(options, f.context, false);
  ASSERT_TRUE(result.written()) << result.failure;
  EXPECT_EQ(result.pagePath, f.site("MyMenu.htm"));
  const Lines page = f.lines("MyMenu.htm");
  EXPECT_EQ(linesAfter(page, "var url = new Morvane (\"\"", 4),
            (Lines{",\"index.htm\"", ",\"say \\\"hi\\\".htm\"", ",\"\"", ");"}));
  EXPECT_EQ(linesAfter(page, "var target = new Morvane (\"\"", 4), (Lines{",\"side\"", ",\"side\"", ",\"side\"", ");"}));
  EXPECT_EQ(linesAfter(page, "function morvane_go(form) {", 3).back(), "     window.location.href = url[i+1];");
  EXPECT_EQ(linesAfter(page, "<TR>", 6),
            (Lines{"<TD><FORM><SELECT NAME=\"morvane_sel\" aria-label=\"Select to navigate\" "
                   "onChange=\"morvane_go(this.form.morvane_sel)\">",
                   "<OPTION>Select to navigate", "<OPTION>HOME", "<OPTION>-->News &amp; &lt;Views>",
                   "<OPTION>---->Old", "</SELECT></FORM></TD></TR>"}));
  EXPECT_EQ(linesAfter(page, "<BODY bgcolor=\"#FFFFFF\">", 2),
            (Lines{"", "<H2>Morvane's Quillon - DropDown Box Navigation Menu</H2>"}));
  EXPECT_TRUE(f.ui.messages.empty());
}

TEST(DropDownMenu, FramesTakeEachEntrysOwnTargetAndTheJumpGoesToTheFrame) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}, {"B", 0}});
  f.menu.tab(0).Nodes.root().children()[0]->Data.Target1 = "None";
  f.menu.tab(0).Nodes.root().children()[1]->Data.Target1 = "right";
  DropDownOptions options;
  options.useFrames = true;
  options.target = "main";
  ASSERT_TRUE(generateDDMenu(options, f.context, true).written());
  const Lines page = f.lines("~MyMenu.htm");
  EXPECT_EQ(linesAfter(page, "var target = new Morvane (\"\"", 2), (Lines{",\"\"", ",\"right\""}));
  EXPECT_EQ(linesAfter(page, "function morvane_go(form) {", 3).back(), "     parent.main.location.href = url[i+1];");
}

TEST(DropDownMenu, TabMenuGivesOneOptionPerTab) {
  GeneratorFixture f;
  f.tabMenu({"Home", "About", "Contact"});
  f.menu.tab(1).TabPage.URL1 = "about.htm";
  ASSERT_TRUE(generateDDMenu(DropDownOptions{}, f.context, false).written());
  const Lines page = f.lines("MyMenu.htm");
  EXPECT_EQ(linesAfter(page, "<OPTION>Select to navigate", 4),
            (Lines{"<OPTION>Home", "<OPTION>About", "<OPTION>Contact", "</SELECT></FORM></TD></TR>"}));
  EXPECT_EQ(linesAfter(page, "var url = new Morvane (\"\"", 3), (Lines{",\"\"", ",\"about.htm\"", ",\"\""}));
}

TEST(DropDownMenu, TabTreeMenuGivesOneBoxPerTabWithMatchingNames) {
  GeneratorFixture f;
  f.tabTreeMenu({{"One", {{"a", 0}}}, {"Two", {{"b", 0}, {"c", 1}}}, {"Three", {{"d", 0}}}});
  DropDownOptions options;
  options.useFrames = true;
  options.target = "main";
  ASSERT_TRUE(generateDDMenu(options, f.context, false).written());
  const Lines page = f.lines("MyMenu.htm");

  EXPECT_EQ(linesAfter(page, "var url = new Morvane (\"\"", 20),
            (Lines{",\"\"", ");", " ", "function morvane_go0(form) {", "     i = form.selectedIndex;",
                   "     if (i == 0) return;", "     parent.main.location.href = url0[i+1];}", " ",
                   "var url0 = new Morvane (\"\"", ",\"\"", ",\"\"", ");", " ", "function morvane_go1(form) {",
                   "     i = form.selectedIndex;", "     if (i == 0) return;",
                   "     parent.main.location.href = url1[i+1];}", " ", "var url1 = new Morvane (\"\"", ",\"\""}));
  EXPECT_EQ(linesAfter(page, "var target = new Morvane (\"\"", 8),
            (Lines{",\"\"", ");", "var target0 = new Morvane (\"\"", ",\"\"", ",\"\"", ");",
                   "var target1 = new Morvane (\"\"", ",\"\""}));
  EXPECT_EQ(linesAfter(page, "<TR>", 11),
            (Lines{"<TD><FORM>One</TD><TD><SELECT NAME=\"morvane_sel\" aria-label=\"One\" "
                   "onChange=\"morvane_go(this.form.morvane_sel)\">",
                   "<OPTION>Select to navigate", "<OPTION>A", "</SELECT></FORM></TD></TR>",
                   "<TD><FORM>Two</TD><TD><SELECT NAME=\"morvane_sel0\" aria-label=\"Two\" "
                   "onChange=\"morvane_go0(this.form.morvane_sel0)\">",
                   "<OPTION>Select to navigate", "<OPTION>B", "<OPTION>-->c", "</SELECT></FORM></TD></TR>",
                   "<TD><FORM>Three</TD><TD><SELECT NAME=\"morvane_sel1\" aria-label=\"Three\" "
                   "onChange=\"morvane_go1(this.form.morvane_sel1)\">",
                   "<OPTION>Select to navigate"}));
}

TEST(DropDownMenu, HeadingsTakeTheFontsUnlessBrowserFontsAreChosen) {
  GeneratorFixture f;
  f.tabTreeMenu({{"One", {{"a", 0}}}});
  showPageStyle(f.style, true);
  f.style.form.useDefaultFonts = false;
  f.style.form.fontTitle = PageFont{"Arial", 14, true};
  f.style.form.fontLevel1 = PageFont{"Arial", 10};
  f.menu.Document.BodyTag = confirmPageStyle(f.style);
  ASSERT_TRUE(generateDDMenu(DropDownOptions{}, f.context, false).written());
  const Lines page = f.lines("MyMenu.htm");
  EXPECT_EQ(linesAfter(page, f.menu.Document.BodyTag, 2),
            (Lines{"", "<B><font face=\"Arial\" size=\"4\" color=\"#000000\">Morvane's Quillon - DropDown Box Navigation "
                   "Menu</font></B><BR>"}));
  EXPECT_EQ(linesAfter(page, "<TR>", 1).at(0).rfind("<TD><FORM><font face=\"Arial\" size=\"2\" color=\"#000000\">One</font></TD>", 0),
            0u);
}

}  // namespace
}  // namespace quillon
