// Reading pages back: pages the writer wrote, and pages edited by hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "format/page_reader.hpp"
#include "test_images.hpp"
#include "writer_fixture.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::writeFile;

class PageReaderTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  MenuModel menu;

  // Reads a page made of the lines given (joined with CR LF) from temp/site/page.htm.
  bool readLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return readText(text);
  }
  bool readText(const std::string& text) {
    writeFile(page(), text);
    ReaderContext context{ui};
    return ReadPage(menu, page(), context);
  }
  std::string page() const { return temp.file("site/page.htm"); }
  std::string site(const std::string& name) const { return temp.file("site/" + name); }

  const TreeNode& node(int tab, std::initializer_list<int> path) const {
    const TreeNode* current = &menu.tab(tab).Nodes.root();
    for (int index : path) current = current->children().at(static_cast<std::size_t>(index)).get();
    return *current;
  }
};

std::vector<std::string> tabTreePage(const std::vector<std::string>& params) {
  std::vector<std::string> lines = {"<HTML><BODY bgcolor=\"#FFFFFF\">",
                                    "<APPLET CODEBASE=\".\" NAME=\"OrvelTabTree\" ARCHIVE=\"TrellTabTreeR.jar\" "
                                    "CODE=\"TrellTabTreeR.class\" WIDTH=300 HEIGHT=400>"};
  lines.insert(lines.end(), params.begin(), params.end());
  lines.insert(lines.end(), {"</APPLET>", "</BODY></HTML>"});
  return lines;
}

TEST_F(PageReaderTest, ReadsAWrittenPageBackIntoTheSameMenu) {
  testing::WriterFixture f(akTabTree);
  TAppletSettings& s = f.menu.Settings;
  s.Codebase = "java/";
  s.Width = "480";
  s.TabFontName = "Times New Roman";
  s.TreeBackColor = 0x336699;
  s.MouseOverFrame = TMouseOverFrame::Line;
  s.ToggleSymbol = 'D';
  s.DefaultTab = 1;
  s.DefFolderClosed = f.addIcon("BookC.gif");
  s.DefLeaf = f.addIcon("Leaf.gif");
  const int star = f.addIcon("Star.gif");
  TreeNode& top = f.menu.tab(0).Nodes.root().appendChild(
      "Fish & \"Chips\"", {.StatusText = "<b>bold</b>", .URL1 = "a.htm", .Target1 = "main", .CollapsedImage = star});
  top.appendChild("Deeper", {.URL2 = "b.htm", .Target2 = "_top", .OpenExpanded = true});
  f.menu.AddTab("Second").TabPage.URL1 = "second.htm";
  fs::create_directories(f.site("java"));
  f.write();

  ReaderContext context{ui};
  ASSERT_TRUE(ReadPage(menu, f.site("index.htm"), context));
  EXPECT_TRUE(ui.messages.empty()) << ui.messages[0].text;
  TAppletSettings expected = f.menu.Settings;
  expected.ImageDir = "java/";
  EXPECT_EQ(menu.Settings, expected);
  EXPECT_EQ(menu.Images.ImageFiles(), (std::vector<std::string>{f.site("java/BookC.gif"), f.site("java/Leaf.gif"),
                                                                 f.site("java/Star.gif")}));
  ASSERT_EQ(menu.tabCount(), 2);
  EXPECT_EQ(menu.tab(1).Caption, "Second");
  EXPECT_EQ(menu.tab(1).TabPage.URL1, "second.htm");
  EXPECT_EQ(menu.tab(1).TabPage.Target1, "None");
  const TreeNode& fish = node(0, {1});
  EXPECT_EQ(fish.Text, "Fish & \"Chips\"");
  EXPECT_EQ(fish.Data, (TAppletNode{.StatusText = "<b>bold</b>", .URL1 = "a.htm", .Target1 = "main",
                                    .CollapsedImage = 2, .ExpandedImage = 2}));
  EXPECT_EQ(node(0, {1, 0}).Data, (TAppletNode{.URL2 = "b.htm", .Target2 = "_top", .CollapsedImage = 1,
                                               .ExpandedImage = 1, .OpenExpanded = true}));
  EXPECT_EQ(menu.Document.HeaderLines.size(), 9u);
  EXPECT_EQ(menu.Document.FooterLines, (std::vector<std::string>{"</BODY>", "</HTML>"}));
  EXPECT_EQ(menu.Document.BodyTag, "<BODY>");
  EXPECT_FALSE(menu.Document.AskSaveLocation);
  EXPECT_TRUE(menu.Document.ImagesFromPage);
  EXPECT_EQ(menu.currentTabIndex(), 0);
  EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{"Reading HTML file.", "Ready."}));
}

TEST_F(PageReaderTest, NodeLevelsBuildTheTree) {
  ASSERT_TRUE(readLines(tabTreePage({
      R"(<PARAM NAME="TAB0" VALUE="Home; None; None; None; None; None; NO">)",
      R"(<PARAM NAME="T0I0" VALUE="A; None; None; 0; ; ; ;None; None; NO">)",
      R"(<PARAM NAME="T0I1" VALUE="***; None; None; 0; ; ; ;None; None; NO">)",
      R"(<PARAM NAME="T0I2" VALUE="B; None; None; 2; ; ; ;None; None; NO">)",  // deeper by two: a child
      R"(<PARAM NAME="T0I3" VALUE="C; None; None; 1; ; ; ;None; None; NO">)",  // B's depth: B's sibling
      R"(<PARAM NAME="T0I4" VALUE="a*b; None; None; 0; ; ; ;None; None; NO">)",  // a separator too
      R"(<PARAM NAME="T0I5" VALUE="D; None; None; x; ; ; ;None; None; NO">)",  // no level: skipped
      R"(<PARAM NAME="T0I6" VALUE="E; None; None; 0; ; ; ;None; None; NO">)",
      R"(<PARAM NAME="T0I7" VALUE="F; None; None; 5; ; ; ;None; None; NO">)",
      R"(<PARAM NAME="T0I8" VALUE="G; None; None; 3; ; ; ;None; None; NO">)",  // no ancestor at 3: skipped
  })));
  std::string shape;
  menu.tab(0).Nodes.forEachInPageOrder(
      [&shape](const TreeNode& n, int level) { shape += n.Text + std::to_string(level) + " "; });
  EXPECT_EQ(shape, "A0 B1 C1 E0 F1 ");
}

TEST_F(PageReaderTest, LinkFieldsReadBackAsWrittenByHand) {
  ASSERT_TRUE(readLines(tabTreePage({
      R"(<PARAM NAME="TAB0" VALUE="Overview; none; none; General Overview; none; none; NO">)",
      R"(<PARAM NAME="T0I0" VALUE="Start; None; None; 0; ; ; tip;none; None; YES">)",
      R"(<PARAM NAME="T0I1" VALUE="Short; none">)",
  })));
  EXPECT_EQ(menu.tab(0).TabPage, (TTabPage{.StatusText = "General Overview", .URL1 = "none", .Target1 = "none",
                                           .URL2 = "none", .Target2 = "none", .OnDemand = "NO"}));
  EXPECT_EQ(node(0, {0}).Data, (TAppletNode{.StatusText = "tip", .URL2 = "none", .OpenExpanded = true}));
  EXPECT_EQ(menu.tab(0).Nodes.size(), 1u) << "an entry without a level is skipped";
}

TEST_F(PageReaderTest, TabsStopAtTheFirstGap) {
  ASSERT_TRUE(readLines(tabTreePage({
      R"(<PARAM NAME="TAB0" VALUE="First">)",
      R"(<PARAM NAME="TAB10" VALUE="Ten">)",
      R"(<PARAM NAME="TAB0_CONTENT" VALUE="">)",
      R"(<PARAM NAME="TAB2" VALUE="Third">)",
      R"(<PARAM NAME="TAB1" VALUE="Second">)",
  })));
  ASSERT_EQ(menu.tabCount(), 1);
  EXPECT_EQ(menu.tab(0).Caption, "First");
  EXPECT_EQ(menu.tab(0).TabPage.OnDemand, "NO");
  EXPECT_TRUE(menu.tab(0).Nodes.empty());
}

struct SettingCase {
  const char* name;
  std::vector<std::string> params;
  std::function<bool(const MenuModel&)> holds;
};

class HandEditedSettings : public PageReaderTest, public ::testing::WithParamInterface<SettingCase> {};

TEST_P(HandEditedSettings, ReadAsUsersExpect) {
  ASSERT_TRUE(readLines(tabTreePage(GetParam().params)));
  EXPECT_TRUE(GetParam().holds(menu));
  EXPECT_GE(menu.tabCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandEditedSettings,
    ::testing::Values(
        SettingCase{"NamesAreMatchedWhole",
                    {R"(<PARAM NAME="PROXY" VALUE="Yes">)", R"(<PARAM NAME="TAB0" VALUE="Proxy settings">)",
                     R"(<PARAM NAME="T0I0" VALUE="About the proxy; None; None; 0; ; ; ;None; None; NO">)"},
                    [](const MenuModel& m) { return m.Settings.ProxyEnhanced; }},
        SettingCase{"NamesIgnoreCaseAndQuotes",
                    {R"(<param name=tab_fg value='0,128,255'>)", R"(<Param Name=TREE_BG Value=1,2,3>)",
                     R"(<PARAM NAME="TAB0" VALUE="x">)"},
                    [](const MenuModel& m) {
                      return m.Settings.TabTextColor == 0xFF8000u && m.Settings.TreeBackColor == 0x030201u;
                    }},
        SettingCase{"ABadColourKeepsItsDefault",
                    {R"(<PARAM NAME="TAB_BG" VALUE="white">)", R"(<PARAM NAME="TAB_FG" VALUE="1,2">)",
                     R"(<PARAM NAME="TAB0" VALUE="x">)"},
                    [](const MenuModel& m) { return m.Settings.TabBackColor == kWhite && m.Settings.TabTextColor == kBlack; }},
        SettingCase{"StartUpTab999IsNone",
                    {R"(<PARAM NAME="TAB_DEFAULT" VALUE="999">)", R"(<PARAM NAME="TAB0" VALUE="x">)"},
                    [](const MenuModel& m) { return m.Settings.DefaultTab == -1; }},
        SettingCase{"StartUpTabPastTheLastIsNone",
                    {R"(<PARAM NAME="TAB_DEFAULT" VALUE="1">)", R"(<PARAM NAME="TAB0" VALUE="x">)"},
                    [](const MenuModel& m) { return m.Settings.DefaultTab == -1; }},
        SettingCase{"StartUpTabThatIsNoNumberIsNone",
                    {R"(<PARAM NAME="TAB_DEFAULT" VALUE="first">)", R"(<PARAM NAME="TAB0" VALUE="x">)",
                     R"(<PARAM NAME="TAB1" VALUE="y">)"},
                    [](const MenuModel& m) { return m.Settings.DefaultTab == -1; }},
        SettingCase{"StartUpTabKept",
                    {R"(<PARAM NAME="TAB_DEFAULT" VALUE="1">)", R"(<PARAM NAME="TAB0" VALUE="x">)",
                     R"(<PARAM NAME="TAB1" VALUE="y">)"},
                    [](const MenuModel& m) { return m.Settings.DefaultTab == 1; }},
        SettingCase{"StyleLettersAndFrame",
                    {R"(<PARAM NAME="TREE_STYLE" VALUE="XABX">)", R"(<PARAM NAME="TREE_MOUSEOVERFRAME" VALUE="RECT">)",
                     R"(<PARAM NAME="TAB0" VALUE="x">)"},
                    [](const MenuModel& m) {
                      const TAppletSettings& s = m.Settings;
                      return s.ToggleSymbol == 'X' && s.LeafSymbol && s.LineStyle == 'B' && !s.UseIcons &&
                             s.MouseOverFrame == TMouseOverFrame::Rect;
                    }},
        SettingCase{"ShortStyleKeepsTheRest",
                    {R"(<PARAM NAME="TREE_STYLE" VALUE="Q">)", R"(<PARAM NAME="TAB0" VALUE="x">)"},
                    [](const MenuModel& m) {
                      return m.Settings.ToggleSymbol == 'A' && !m.Settings.LeafSymbol && m.Settings.LineStyle == 'A' &&
                             m.Settings.UseIcons;
                    }},
        SettingCase{"FontsAndTheAppletsTimesRoman",
                    {R"(<PARAM NAME="TAB_FONT" VALUE="TimesRoman; PLAIN;14">)",
                     R"(<PARAM NAME="TREE_FONT" VALUE="Verdana;BOLD;9">)", R"(<PARAM NAME="TAB0" VALUE="x">)"},
                    [](const MenuModel& m) {
                      const TAppletSettings& s = m.Settings;
                      return s.TabFontName == "Times New Roman" && s.TabFontSize == "14" && s.TreeFontName == "Verdana" &&
                             s.TreeFontSize == "9";
                    }},
        SettingCase{"CharacterReferencesAreDecoded",
                    {R"(<PARAM NAME="TAB0" VALUE="Fish &amp; &quot;Chips&quot; &lt;&#233;&gt; &#x41; &bogus x">)"},
                    [](const MenuModel& m) { return m.tab(0).Caption == "Fish & \"Chips\" <\xC3\xA9> A &bogus x"; }},
        SettingCase{"NoUsableTabGivesAFreshOne",
                    {R"(<PARAM NAME="TAB1" VALUE="Lost">)"},
                    [](const MenuModel& m) {
                      return m.tabCount() == 1 && m.tab(0).Caption == "New Tab" && m.tab(0).Nodes.size() == 1;
                    }},
        SettingCase{"CommentsHoldNoParameters",
                    {R"(<!-- <PARAM NAME="TAB0" VALUE="Commented"> <PARAM NAME="PROXY" VALUE="Yes"> -->)",
                     R"(<PARAM NAME="TAB0" VALUE="Real">)"},
                    [](const MenuModel& m) {
                      return m.tabCount() == 1 && m.tab(0).Caption == "Real" && !m.Settings.ProxyEnhanced;
                    }}),
    [](const auto& info) { return std::string(info.param.name); });

struct SizeCase {
  const char* sizes;  // the size attributes of the applet tag
  const char* width;
  const char* height;
  bool warned;
};

class AppletSizes : public PageReaderTest, public ::testing::WithParamInterface<SizeCase> {};

TEST_P(AppletSizes, AreDigitsWithinTheBoxLimits) {
  const SizeCase c = GetParam();
  ASSERT_TRUE(readLines({std::string("<APPLET CODE=\"TrellTabR.class\" ") + c.sizes + ">",
                         R"(<PARAM NAME="TAB0" VALUE="x">)", "</APPLET>"}));
  EXPECT_EQ(menu.Settings.Width, c.width) << c.sizes;
  EXPECT_EQ(menu.Settings.Height, c.height) << c.sizes;
  const std::vector<std::string> warnings = ui.messageTexts();
  EXPECT_EQ(!warnings.empty(), c.warned) << c.sizes;
  for (const auto& text : warnings) EXPECT_NE(text.find("is not a number\nso it was reset to the default."), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AppletSizes,
    ::testing::Values(SizeCase{"WIDTH=300 HEIGHT=200", "300", "200", false},
                      // What an emptied width box once wrote, and what reading and saving that made of it.
                      SizeCase{"WIDTH= HEIGHT=320", "220", "320", true},
                      SizeCase{"WIDTH=HEIGHT=320 HEIGHT=320", "220", "320", true},
                      SizeCase{"WIDTH=\"50%\" HEIGHT=\"12px\"", "220", "320", true},
                      SizeCase{"WIDTH=1200 HEIGHT=900", "1000", "800", false},
                      SizeCase{"", "220", "320", false}));

TEST_F(PageReaderTest, FindsTheAppletTagSplitOverLinesAndKeepsTheFrame) {
  ASSERT_TRUE(readLines({"<html>", "<body>", "<p>Menu</p>", "<applet", "  code=TrellTreeR.class", "  width=150 height=400>",
                         "<param name=I0 value=\"Only; None; None; 0; ; ; ;None; None; NO\">", "</applet>", "<p>after</p>",
                         "</body></html>"}));
  EXPECT_EQ(menu.Settings.Kind, akTree);
  EXPECT_EQ(menu.Settings.Width, "150");
  EXPECT_EQ(menu.tab(0).Caption, "Blank");
  EXPECT_EQ(node(0, {0}).Text, "Only");
  // The lines from the applet tag through the closing tag are the applet block.
  EXPECT_EQ(menu.Document.HeaderLines, (std::vector<std::string>{"<html>", "<body>", "<p>Menu</p>", "<applet"}));
  EXPECT_EQ(menu.Document.FooterLines, (std::vector<std::string>{"<p>after</p>", "</body></html>"}));
}

// Text beside the applet's tags is the author's and stays; the script line
// after the closing tag is the writer's and is written once, whatever the page had.
struct FrameCase {
  const char* name;
  std::string page;
  std::vector<std::string> header;  // without the applet tag's own line
  std::vector<std::string> footer;
};

class PageFrames : public ::testing::TestWithParam<FrameCase> {};

TEST_P(PageFrames, ReadKeepsTheAuthorsTextAndResavingKeepsTheBytes) {
  const FrameCase& c = GetParam();
  testing::WriterFixture f(akTree);
  const std::string path = f.menu.Document.PagePath;
  writeFile(path, c.page);
  ReaderContext context{f.ui};
  ASSERT_TRUE(ReadPage(f.menu, path, context));
  const auto& header = f.menu.Document.HeaderLines;
  ASSERT_FALSE(header.empty());
  EXPECT_EQ(std::vector<std::string>(header.begin(), header.end() - 1), c.header);
  EXPECT_EQ(f.menu.Document.FooterLines, c.footer);
  EXPECT_EQ(f.menu.tab(0).Nodes.root().children().at(0)->Text, "Home");

  f.write();
  const std::string once = f.pageText();
  ASSERT_TRUE(ReadPage(f.menu, path, context));
  f.write();
  EXPECT_EQ(f.pageText(), once);
  const auto lines = testing::splitLines(once);
  const std::string scriptLine = "<SCRIPT SRC=\"QuillonMenu.js\"></SCRIPT>";
  EXPECT_EQ(std::count(lines.begin(), lines.end(), scriptLine), 1);
  const auto script = std::find(lines.begin(), lines.end(), scriptLine);
  ASSERT_NE(script, lines.end());
  EXPECT_EQ(*(script - 1), "</APPLET>");
}

const std::string kApplet = "<APPLET CODEBASE=\".\" CODE=\"TrellTreeR.class\" WIDTH=200 HEIGHT=100>";
const std::string kNode = "<PARAM NAME=\"I0\" VALUE=\"Home; home.htm; None; 0; ; ; ;None; None; NO\">";

INSTANTIATE_TEST_SUITE_P(
    Pages, PageFrames,
    ::testing::Values(
        FrameCase{"OneLinePage", "<html><body><p>Menu:</p>" + kApplet + kNode + "</APPLET><p>after</p></body></html>",
                  {"<html><body><p>Menu:</p>"}, {"<p>after</p></body></html>"}},
        FrameCase{"WrittenScriptLine",
                  "<HTML>\r\n<BODY>\r\n" + kApplet + "\r\n" + kNode +
                      "\r\n</APPLET>\r\n<SCRIPT SRC=\"java/QuillonMenu.js\"></SCRIPT>\r\n</BODY>\r\n</HTML>\r\n",
                  {"<HTML>", "<BODY>"}, {"</BODY>", "</HTML>"}},
        FrameCase{"ScriptOnTheClosingLine",
                  "<body>\n  " + kApplet + kNode + "\n</applet><script src=\"QuillonMenu.js\"></script>\n</body>\n",
                  {"<body>"}, {"</body>"}},
        FrameCase{"SomeoneElsesScriptStays",
                  "<body>\n" + kApplet + kNode + "</APPLET>\n<SCRIPT SRC=\"stats/QuillonMenu.js?v=2\"></SCRIPT>\n</body>\n",
                  {"<body>"}, {"<SCRIPT SRC=\"stats/QuillonMenu.js?v=2\"></SCRIPT>", "</body>"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PageReaderTest, APageWithoutTheAppletIsRefused) {
  EXPECT_FALSE(readLines({"<html><body>", "<!-- <APPLET CODE=\"TrellTabR.class\"> -->",
                          "<APPLET CODE=\"Other.class\"></APPLET>", "</body></html>"}));
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"No Quillon [Applets] found"});
  EXPECT_EQ(menu.tabCount(), 0);
}

TEST_F(PageReaderTest, FolderValuesFollowTheApplet) {
  fs::create_directories(site("java"));
  ASSERT_TRUE(readLines({R"(<APPLET CODEBASE="/java" CODE="TrellTabR.class" WIDTH=1 HEIGHT=2>)",
                         R"(<PARAM NAME="IMAGEDIR" VALUE="pictures/">)", R"(<PARAM NAME="TAB0" VALUE="x">)",
                         "</APPLET>"}));
  EXPECT_EQ(menu.Settings.Codebase, "java/");
  EXPECT_EQ(menu.Settings.ImageDir, "java/");
  EXPECT_EQ(ui.messageTexts(),
            std::vector<std::string>{"The image directory could not be found\nso it was reset to the default."});

  ui.messages.clear();
  ASSERT_TRUE(readLines({R"(<APPLET CODEBASE="http://example.test/java/" CODE="TrellTabR.class">)", "</APPLET>"}));
  EXPECT_EQ(menu.Settings.Codebase, "");
  EXPECT_TRUE(ui.messages.empty());

  ASSERT_TRUE(readLines({R"(<APPLET CODEBASE="missing" CODE="TrellTabR.class">)", "</APPLET>"}));
  EXPECT_EQ(menu.Settings.Codebase, "");
  EXPECT_EQ(ui.messageTexts().back(), "The class file directory could not be found\nso it was reset to the default.");
}

TEST_F(PageReaderTest, MissingImagesAreLookedForThenAskedForOnce) {
  fs::create_directories(temp.file("elsewhere"));
  testing::writeGif(temp.file("elsewhere/Star.gif"), 16, 16);
  testing::writeGif(temp.file("elsewhere/Big.gif"), 32, 32);
  ui.pickedFiles = {temp.file("elsewhere/Star.gif"), ""};
  ASSERT_TRUE(readLines(tabTreePage({
      R"(<PARAM NAME="TAB0" VALUE="x">)",
      R"(<PARAM NAME="T0I0" VALUE="a; None; None; 0; Star.gif; Star.gif; ;None; None; NO">)",
      R"(<PARAM NAME="T0I1" VALUE="b; None; None; 0; Gone.gif; Gone.gif; ;None; None; NO">)",
      R"(<PARAM NAME="T0I2" VALUE="c; None; None; 0; Big.gif; Gone.gif; ;None; None; NO">)",
  })));
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Cannot find image, please browse for File ...");
  EXPECT_EQ(ui.fileDialogs[0].filter, "Image files (*.gif, *.jpg)|*.gif;*.jpg|All Files|*.*");
  EXPECT_EQ(ui.fileDialogs[0].fileName, "Star.gif");
  EXPECT_EQ(menu.Document.LastImageDir, temp.file("elsewhere/"));
  EXPECT_EQ(node(0, {0}).Data.CollapsedImage, 0);
  EXPECT_EQ(node(0, {1}).Data.CollapsedImage, -1);
  // Big.gif is found in the folder of the last pick, but is no icon: refused without a word.
  EXPECT_EQ(node(0, {2}).Data.CollapsedImage, -1);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{"An error occured while trying to open " + site("Gone.gif")});
}

TEST_F(PageReaderTest, ContentFilesReplaceTheEntriesOrAreAskedFor) {
  writeFile(site("menuTAB0content.txt"), "From file; None; None; 0; ; ; ;None; None; NO\r\nx & y <b>; None; None; 1; ; ; ;None; None; NO\r\n");
  ui.pickedFiles = {""};
  ASSERT_TRUE(readLines(tabTreePage({
      R"(<PARAM NAME="TAB0" VALUE="one">)", R"(<PARAM NAME="T0I0" VALUE="ignored; None; None; 0">)",
      R"(<PARAM NAME="TAB0_CONTENT" VALUE="menuTAB0content.txt">)", R"(<PARAM NAME="TAB1" VALUE="two">)",
      R"(<PARAM NAME="TAB1_CONTENT" VALUE="gone.txt">)"})));
  EXPECT_TRUE(menu.Settings.ContentInFile);
  EXPECT_EQ(node(0, {0}).Text, "From file");
  EXPECT_EQ(node(0, {0, 0}).Text, "x & y <b>") << "content lines are taken as they stand";
  EXPECT_TRUE(menu.tab(1).Nodes.empty());
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Unable to locate content file, please browse to locate");
  EXPECT_EQ(ui.fileDialogs[0].filter, "Content Files|*.txt");
}

TEST_F(PageReaderTest, SoundsAndBackgroundsResolveBelowTheClassFolder) {
  fs::create_directories(site("java"));
  writeFile(site("java/click.au"), "sound");
  writeFile(temp.file("other/over.au"), "sound");
  ui.pickedFiles = {temp.file("other/over.au")};
  ASSERT_TRUE(readLines({R"(<APPLET CODEBASE="java" CODE="TrellTreeR.class">)",
                         R"(<PARAM NAME="MOUSECLICKSOUND" VALUE="click.au">)",
                         R"(<PARAM NAME="MOUSEOVERSOUND" VALUE="over.au">)",
                         R"(<PARAM NAME="TAB_BG_IMAGE" VALUE="tabs.jpg">)", "</APPLET>"}));
  EXPECT_EQ(menu.Settings.ClickSound, site("java/click.au"));
  EXPECT_EQ(menu.Settings.ClickSoundName, "click.au");
  EXPECT_EQ(menu.Settings.OverSound, temp.file("other/over.au"));
  EXPECT_EQ(menu.Settings.OverSoundName, "over.au");
  EXPECT_EQ(ui.fileDialogs.at(0).title, "Cannot find sound, please browse for File ...");
  EXPECT_EQ(menu.Settings.TabBackImage, site("java/tabs.jpg"));
}

}  // namespace
}  // namespace quillon
