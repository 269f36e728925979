// What the page says: parameters per kind, value encodings, node entries.
#include <gtest/gtest.h>

#include <algorithm>

#include "format/applet_files.hpp"
#include "format/page_composer.hpp"
#include "varied_menu.hpp"
#include "writer_fixture.hpp"

namespace quillon {
namespace {

using testing::WriterFixture;

bool hasLineStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; });
}

std::vector<std::string> paramNames(const std::vector<std::string>& lines) {
  std::vector<std::string> names;
  const std::string opening = "\t<PARAM NAME=\"";
  for (const auto& line : lines) {
    if (line.rfind(opening, 0) == 0) names.push_back(line.substr(opening.size(), line.find('"', opening.size()) - opening.size()));
  }
  return names;
}

struct KindCase {
  TAppletKind kind;
  const char* appletTag;
  bool tabParams;
  bool treeParams;
  const char* firstNodeParam;
};

class PageByKind : public ::testing::TestWithParam<KindCase> {};

TEST_P(PageByKind, WritesOnlyWhatTheAppletUses) {
  const KindCase c = GetParam();
  WriterFixture f(c.kind);
  f.menu.Settings.ContentInFile = c.kind == akTab;  // a Tab menu writes no content files even so
  f.write();
  const auto lines = f.pageLines();
  EXPECT_EQ(lines.at(2), "<META charset=\"utf-8\">");
  EXPECT_EQ(lines.at(8), c.appletTag);
  EXPECT_EQ(hasLineStartingWith(lines, "\t<PARAM NAME=\"TAB_BG\""), c.tabParams);
  EXPECT_EQ(hasLineStartingWith(lines, "\t<PARAM NAME=\"TAB0\""), c.tabParams);
  EXPECT_EQ(hasLineStartingWith(lines, "\t<PARAM NAME=\"TREE_FONT\"") || hasLineStartingWith(lines, "\t<PARAM NAME=\"FONT\""),
            c.treeParams);
  EXPECT_EQ(f.param(c.firstNodeParam) != "<absent>", c.treeParams);
  EXPECT_FALSE(std::filesystem::exists(f.site("index_content.txt")));
  EXPECT_EQ(lines.back(), "</HTML>");
  EXPECT_EQ(lines.at(lines.size() - 4), "</APPLET>");
  EXPECT_EQ(lines.at(lines.size() - 3), "<SCRIPT SRC=\"QuillonMenu.js\"></SCRIPT>");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, PageByKind,
    ::testing::Values(
        KindCase{akTab, R"(<APPLET CODEBASE="." NAME="OrvelTab" ARCHIVE="TrellTabR.jar" CODE="TrellTabR.class" WIDTH=220 HEIGHT=320>)",
                 true, false, "I0"},
        KindCase{akTree, R"(<APPLET CODEBASE="." NAME="OrvelTree" ARCHIVE="TrellTreeR.jar" CODE="TrellTreeR.class" WIDTH=220 HEIGHT=320>)",
                 false, true, "I0"},
        KindCase{akTabTree,
                 R"(<APPLET CODEBASE="." NAME="OrvelTabTree" ARCHIVE="TrellTabTreeR.jar" CODE="TrellTabTreeR.class" WIDTH=220 HEIGHT=320>)",
                 true, true, "T0I0"}));

TEST(PageComposer, TreeParametersComeInEachAppletsOwnOrder) {
  WriterFixture tree(akTree);
  tree.menu.Settings.MouseOverFrame = TMouseOverFrame::Line;
  tree.write();
  const std::vector<std::string> treeOrder = {
      "Copyright", "PROXY", "FONT", "BACKGROUND", "FOREGROUND", "SELBACKGROUND", "SELFOREGROUND", "TOOLTIPBACKCOLOR",
      "TOOLTIPFORECOLOR", "LINECOLOR", "LEAFCOLOR", "FOLDERCCOLOR", "FOLDEROCOLOR", "MOUSEOVERFRAMECOLOR", "MOUSEOVER",
      "BORDER", "TOOLTIP", "DOUBLECLICK", "AUTOEXPAND", "MOUSEOVERFRAME", "STYLE", "I0"};
  EXPECT_EQ(paramNames(tree.pageLines()), treeOrder);
  EXPECT_EQ(tree.param("MOUSEOVERFRAME"), "Line");

  WriterFixture tabTree(akTabTree);
  tabTree.write();
  const std::vector<std::string> tabTreeOrder = {
      "Copyright", "PROXY", "TAB_BG", "TAB_FG", "TAB_MOUSEOVER", "TAB_FONT", "TABONBOTTOM", "SHOWTABSONLY",
      "TAB_DEFAULT", "TREE_FONT", "TREE_BG", "TREE_FG", "TREE_SEL_BG", "TREE_SEL_FG", "TREE_TOOLTIPBACKCOLOR",
      "TREE_TOOLTIPFORECOLOR", "TREE_MOUSEOVER", "TREE_LINECOLOR", "TREE_LEAFCOLOR", "TREE_FOLDERCCOLOR",
      "TREE_FOLDEROCOLOR", "TREE_MOUSEOVERFRAMECOLOR", "TREE_BORDER", "TREE_TOOLTIP", "TREE_DOUBLECLICK",
      "TREE_AUTOEXPAND", "TREE_STYLE", "TAB0", "T0I0"};
  EXPECT_EQ(paramNames(tabTree.pageLines()), tabTreeOrder);
}

TEST(PageComposer, EncodesValuesTheAppletsWay) {
  WriterFixture f(akTabTree);
  TAppletSettings& s = f.menu.Settings;
  s.TabFontName = "Times New Roman";
  s.TabFontSize = "14";
  s.TreeFontName = "Verdana";
  s.TabBackColor = 0x00FFFF;  // yellow: red and green
  s.DefaultTab = 2;
  s.ShowTabsOnly = true;
  s.TabOnBottom = true;
  s.ToggleSymbol = 'C';
  s.LeafSymbol = true;
  s.LineStyle = 'B';
  s.MouseOverFrame = TMouseOverFrame::Rect;
  f.write();
  EXPECT_EQ(f.param("TAB_FONT"), "TimesRoman; PLAIN;14");
  EXPECT_EQ(f.param("TREE_FONT"), "Verdana; PLAIN;12");
  EXPECT_EQ(f.param("TAB_BG"), "255,255,0");
  EXPECT_EQ(f.param("TAB_DEFAULT"), "2");
  EXPECT_EQ(f.param("SHOWTABSONLY"), "Yes");
  EXPECT_EQ(f.param("TABONBOTTOM"), "Yes");
  EXPECT_EQ(f.param("TREE_STYLE"), "CABA");
  EXPECT_EQ(f.param("TREE_MOUSEOVERFRAME"), "Rect");

  WriterFixture defaults(akTabTree);
  defaults.write();
  EXPECT_EQ(defaults.param("TAB_DEFAULT"), "999");
  EXPECT_EQ(defaults.param("TREE_MOUSEOVERFRAME"), "<absent>");
  EXPECT_EQ(defaults.param("TREE_STYLE"), "AXAA");
}

TEST(PageComposer, ShowTabsOnlyIsWrittenForTabTreeMenusOnly) {
  WriterFixture f(akTab);
  f.menu.Settings.ShowTabsOnly = true;
  f.write();
  EXPECT_EQ(f.param("SHOWTABSONLY"), "No");
}

TEST(PageComposer, EmptyTabLinksBecomeNoneInTheMenuToo) {
  WriterFixture f(akTab);
  f.menu.tab(0).TabPage.URL1 = "home.htm";
  f.menu.tab(0).TabPage.OnDemand = "YES";
  f.write();
  EXPECT_EQ(f.param("TAB0"), "New Tab; home.htm; None; None; None; None; YES");
  EXPECT_EQ(f.menu.tab(0).TabPage.Target1, "None");
  EXPECT_EQ(f.menu.tab(0).TabPage.StatusText, "None");
}

TEST(PageComposer, TheSizeRulesHoldInThePageAndTheMenu) {
  struct Case {
    const char* width;
    const char* height;
    const char* tag;
  };
  for (const Case& c : {Case{"", "320", "WIDTH=200 HEIGHT=320>"}, Case{"2000", "", "WIDTH=1000 HEIGHT=320>"},
                        Case{"640", "900", "WIDTH=640 HEIGHT=800>"}, Case{"2x", "120", "WIDTH=200 HEIGHT=120>"}}) {
    WriterFixture f(akTab);
    f.menu.Settings.Width = c.width;
    f.menu.Settings.Height = c.height;
    f.write();
    const std::string page = f.pageText();
    EXPECT_NE(page.find(c.tag), std::string::npos) << c.width << " x " << c.height;
    EXPECT_EQ(" WIDTH=" + f.menu.Settings.Width + " HEIGHT=" + f.menu.Settings.Height + ">", std::string(" ") + c.tag)
        << "the window shows what the page says";
  }
}

TEST(PageComposer, WritingEveryTabLeavesTheCurrentTabCurrent) {
  WriterFixture f(akTabTree);
  f.menu.AddTab("Second");
  f.menu.AddTab("Third");
  f.menu.setCurrentTab(1);
  f.write();
  EXPECT_EQ(f.menu.currentTabIndex(), 1);
}

TEST(PageComposer, LineBreaksInTextsBecomeBlanksSoNoEntrySplits) {
  for (const bool inFile : {false, true}) {
    WriterFixture f(akTree);
    f.menu.Settings.ContentInFile = inFile;
    TreeNode& node = *f.menu.tab(0).Nodes.root().children()[0];
    // A crawled title that tries to add an entry of its own.
    node.Text = "Title\r\nEvil; http://evil.example/; _top; 0; ; ; ;None; None; NO\nmore";
    node.Data.StatusText = "two\rlines";
    f.write();
    const std::string entry = "Title Evil; http://evil.example/; _top; 0; ; ; ;None; None; NO more; None; None; 0; ";
    if (inFile) {
      const std::vector<std::string> lines = testing::splitLines(testing::readFile(f.site("index_content.txt")));
      ASSERT_EQ(lines.size(), 1u);
      EXPECT_EQ(lines[0].rfind(entry, 0), 0u) << lines[0];
      EXPECT_NE(lines[0].find("two lines;"), std::string::npos) << lines[0];
    } else {
      EXPECT_EQ(f.param("I0").rfind(entry, 0), 0u) << f.param("I0");
      EXPECT_EQ(f.param("I1"), "<absent>");
    }
  }
}

TEST(PageComposer, NodeEntriesCarryLevelsInPageOrder) {
  WriterFixture f(akTree);
  NodeTree& nodes = f.menu.tab(0).Nodes;
  nodes.clear();
  TreeNode& top = nodes.root().appendChild("Before you begin", {.StatusText = "Please read this first.",
                                                                .URL1 = "../OrvelMain.htm",
                                                                .Target1 = "GeneralMain",
                                                                .Target2 = "none"});
  TreeNode& child = top.appendChild("Child", {.URL2 = "two.htm", .OpenExpanded = true});
  child.appendChild("Grandchild");
  nodes.root().appendChild("Second");
  f.write();
  EXPECT_EQ(f.param("I0"),
            "Before you begin; ../OrvelMain.htm; GeneralMain; 0; folder ; folder ; Please read this first.;None; none; NO");
  EXPECT_EQ(f.param("I1"), "Child; None; None; 1; folder ; folder ; ;two.htm; None; YES");
  EXPECT_EQ(f.param("I2"), "Grandchild; None; None; 2; leaf ; leaf ; ;None; None; NO");
  EXPECT_EQ(f.param("I3"), "Second; None; None; 0; leaf ; leaf ; ;None; None; NO");
}

TEST(PageComposer, ImagePiecesNameDefaultsOrTheirOwnFiles) {
  WriterFixture f(akTree);
  TAppletSettings& s = f.menu.Settings;
  s.DefFolderClosed = f.addIcon("BookC.gif");
  s.DefFolderOpen = f.addIcon("BookO.gif");
  s.DefLeaf = f.addIcon("Leaf.gif");
  const int star = f.addIcon("Star.gif");
  const int moon = f.addIcon("Moon.gif");
  NodeTree& nodes = f.menu.tab(0).Nodes;
  nodes.clear();
  TreeNode& root = nodes.root();
  root.appendChild("defaults", {.CollapsedImage = s.DefFolderClosed, .ExpandedImage = s.DefFolderOpen});
  root.appendChild("leaf image", {.CollapsedImage = s.DefLeaf});
  root.appendChild("own both", {.CollapsedImage = star, .ExpandedImage = moon});
  root.appendChild("own collapsed", {.CollapsedImage = moon});
  root.appendChild("leaf as expanded", {.CollapsedImage = star, .ExpandedImage = s.DefLeaf});
  f.write();
  EXPECT_EQ(f.param("FOLDER_CLOSED"), "BookC.gif");
  EXPECT_EQ(f.param("FOLDER_OPEN"), "BookO.gif");
  EXPECT_EQ(f.param("LEAF"), "Leaf.gif");
  EXPECT_EQ(f.param("I0"), "defaults; None; None; 0; folder ; folder ; ;None; None; NO");
  EXPECT_EQ(f.param("I1"), "leaf image; None; None; 0; leaf ; leaf ; ;None; None; NO");
  EXPECT_EQ(f.param("I2"), "own both; None; None; 0; Star.gif; Moon.gif; ;None; None; NO");
  EXPECT_EQ(f.param("I3"), "own collapsed; None; None; 0; Moon.gif; Moon.gif; ;None; None; NO");
  EXPECT_EQ(f.param("I4"), "leaf as expanded; None; None; 0; Star.gif; leaf ; ;None; None; NO");
  // Each image is copied once, in the order the page first names it.
  for (const char* name : {"BookC.gif", "BookO.gif", "Leaf.gif", "Star.gif", "Moon.gif"}) {
    EXPECT_TRUE(std::filesystem::exists(f.site(name))) << name;
  }
  const auto report = f.reportLines();
  const std::vector<std::string> imageLines(report.end() - 5, report.end());
  EXPECT_EQ(imageLines, (std::vector<std::string>{"  BookC.gif", "  BookO.gif", "  Leaf.gif", "  Star.gif", "  Moon.gif"}));
}

struct IconModeCase {
  const char* name;
  bool proxy;
  bool useIcons;
};

class PageWithoutIcons : public ::testing::TestWithParam<IconModeCase> {};

TEST_P(PageWithoutIcons, WritesBlankImagePiecesAndNoDefaults) {
  const IconModeCase c = GetParam();
  WriterFixture f(akTabTree);
  TAppletSettings& s = f.menu.Settings;
  s.ProxyEnhanced = c.proxy;
  s.UseIcons = c.useIcons;
  s.Codebase = "java/";
  s.DefLeaf = f.addIcon("Leaf.gif");
  s.TreeBackImage = f.temp.file("pictures/Leaf.gif");
  f.menu.tab(0).Nodes.root().children()[0]->Data.CollapsedImage = f.addIcon("Star.gif");
  std::filesystem::create_directories(f.site("java"));
  f.write();
  EXPECT_EQ(f.param("T0I0"), "New Node; None; None; 0;  ;  ; ;None; None; NO");
  EXPECT_EQ(f.param("LEAF"), "<absent>");
  EXPECT_EQ(f.param("TREE_STYLE"), "AXAX");
  EXPECT_EQ(f.param("PROXY"), c.proxy ? "Yes" : "No");
  EXPECT_EQ(f.param("IMAGEDIR"), c.proxy ? "<absent>" : "java/");
  EXPECT_EQ(f.param("TREE_BG_IMAGE"), c.proxy ? "<absent>" : "Leaf.gif");
  EXPECT_FALSE(std::filesystem::exists(f.site("java/Star.gif")));
  // Without the proxy the background image is still needed, with it nothing is.
  EXPECT_EQ(std::filesystem::exists(f.site("java/Leaf.gif")), !c.proxy);
}

INSTANTIATE_TEST_SUITE_P(Modes, PageWithoutIcons,
                         ::testing::Values(IconModeCase{"proxy", true, true}, IconModeCase{"iconsOff", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PageComposer, EscapesParameterValuesButNotContentLines) {
  WriterFixture f(akTabTree);
  f.menu.tab(0).Caption = R"(Fish & "Chips" <b>)";
  f.menu.tab(0).Nodes.root().children()[0]->Text = R"(a "quoted" <node> & more)";
  f.write();
  EXPECT_EQ(f.param("TAB0"), "Fish &amp; &quot;Chips&quot; &lt;b&gt;; None; None; None; None; None; NO");
  EXPECT_EQ(f.param("T0I0"), "a &quot;quoted&quot; &lt;node&gt; &amp; more; None; None; 0; leaf ; leaf ; ;None; None; NO");

  f.menu.Settings.ContentInFile = true;
  f.write();
  EXPECT_EQ(testing::readFile(f.site("indexTAB0content.txt")),
            "a \"quoted\" <node> & more; None; None; 0; leaf ; leaf ; ;None; None; NO\r\n");
}

TEST(PageComposer, WarnsAboutSemicolonsNamingTheEntry) {
  WriterFixture f(akTabTree);
  f.menu.tab(0).Nodes.root().children()[0]->Data.StatusText = "one; two";
  f.menu.AddTab("Plain");
  f.write();
  ASSERT_EQ(f.ui.messages.size(), 2u);  // the warning, then "File Saved as"
  EXPECT_EQ(f.ui.messages[0].kind, MessageKind::Warning);
  EXPECT_NE(f.ui.messages[0].text.find("T0I0 \"New Node\""), std::string::npos);
  EXPECT_EQ(f.ui.messages[0].text.find("Plain"), std::string::npos);
}

TEST(PageComposer, ContentFilesHoldTheEntriesInTheClassFolder) {
  WriterFixture tree(akTree);
  tree.menu.Settings.ContentInFile = true;
  tree.menu.Settings.Codebase = "java/";
  tree.write();
  EXPECT_EQ(tree.param("CONTENT"), "index_content.txt");
  EXPECT_EQ(tree.param("I0"), "<absent>");
  EXPECT_EQ(testing::readFile(tree.site("java/index_content.txt")),
            "New Node; None; None; 0; leaf ; leaf ; ;None; None; NO\r\n");

  WriterFixture tabTree(akTabTree);
  tabTree.menu.Settings.ContentInFile = true;
  tabTree.menu.AddTab("Two");
  tabTree.write();
  EXPECT_EQ(tabTree.param("TAB0_CONTENT"), "indexTAB0content.txt");
  EXPECT_EQ(tabTree.param("TAB1_CONTENT"), "indexTAB1content.txt");
  EXPECT_TRUE(std::filesystem::exists(tabTree.site("indexTAB1content.txt")));
  EXPECT_EQ(tabTree.param("T1I0"), "<absent>");
}

TEST(PageComposer, NamesComeFromThePagesFileNameNotADottedFolder) {
  WriterFixture f(akTree);
  std::filesystem::create_directories(f.site("site.old"));
  f.menu.Document.PagePath = f.site("site.old/menu.v2.htm");
  f.menu.Settings.ContentInFile = true;
  f.write();
  EXPECT_TRUE(std::filesystem::exists(f.site("site.old/menu_content.txt")));
  EXPECT_EQ(f.menu.Document.ReportPath, f.site("site.old/menu_UPLOADREPORT.TXT"));
  EXPECT_TRUE(std::filesystem::exists(f.menu.Document.ReportPath));
}

TEST(PageComposer, AnOpenedPageKeepsItsOwnFrame) {
  WriterFixture f(akTab);
  f.menu.Document.HeaderLines = {"<html><head><title>Mine</title></head>", "<body bgcolor=\"#FFFFFF\">",
                                 "<p>Menu:</p><APPLET CODE=\"TrellTabR.class\" old>"};
  f.menu.Document.FooterLines = {"<p>after</p>", "</body></html>"};
  f.write();
  const auto lines = f.pageLines();
  EXPECT_EQ(lines[0], "<html><head><title>Mine</title></head>");
  EXPECT_EQ(lines[1], "<body bgcolor=\"#FFFFFF\">");
  EXPECT_EQ(lines[2].rfind("<APPLET CODEBASE=", 0), 0u);
  EXPECT_EQ(lines[lines.size() - 4], "</APPLET>");
  EXPECT_EQ(lines[lines.size() - 3], "<SCRIPT SRC=\"QuillonMenu.js\"></SCRIPT>");
  EXPECT_EQ(lines[lines.size() - 2], "<p>after</p>");
  EXPECT_EQ(lines.back(), "</body></html>");
}

// Without Java and without scripting a browser shows the applet element's
// content: the entries as nested lists of links, below the code base.
TEST(PageComposer, TheAppletHoldsTheEntriesAsPlainLinks) {
  WriterFixture f(akTabTree);
  f.menu.Settings.Codebase = "java/";
  std::filesystem::create_directories(f.site("java"));
  TAppletPage& tab = f.menu.tab(0);
  tab.Caption = "Shop & more";
  tab.TabPage.URL1 = "../shop.htm";
  tab.TabPage.Target1 = "main";
  tab.Nodes.clear();
  TreeNode& books = tab.Nodes.root().appendChild("Books <new>", TAppletNode{.URL1 = "books.htm?a=1&b=2"});
  books.appendChild("Away", TAppletNode{.URL1 = "http://example.com/x", .Target1 = "_blank"});
  tab.Nodes.root().appendChild("No link");
  f.write();
  const auto lines = f.pageLines();
  const auto begin = std::find(lines.begin(), lines.end(), "\t<NOSCRIPT>");
  const auto end = std::find(lines.begin(), lines.end(), "</APPLET>");
  ASSERT_LT(begin, end);
  EXPECT_EQ(std::vector<std::string>(begin, end),
            (std::vector<std::string>{"\t<NOSCRIPT>", "\t<UL>",
                                      "\t<LI><A HREF=\"java/../shop.htm\" TARGET=\"main\">Shop &amp; more</A>",
                                      "\t<UL>", "\t<LI><A HREF=\"java/books.htm?a=1&amp;b=2\">Books &lt;new&gt;</A>",
                                      "\t<UL>", "\t<LI><A HREF=\"http://example.com/x\" TARGET=\"_blank\">Away</A>",
                                      "\t</UL>", "\t<LI>No link", "\t</UL>", "\t</UL>", "\t</NOSCRIPT>"}));
}

struct FolderCase {
  const char* codebase;
  const char* imageDir;
  const char* appletCodebase;
  const char* imageDirParam;
  const char* copiedIcon;  // below the site folder
  const char* nodeImage;
};

class ImageFolders : public ::testing::TestWithParam<FolderCase> {};

TEST_P(ImageFolders, FolderCopiesPrefixAndParameterAgree) {
  const FolderCase c = GetParam();
  WriterFixture f(akTree);
  f.menu.Settings.Codebase = c.codebase;
  f.menu.Settings.ImageDir = c.imageDir;
  std::filesystem::create_directories(f.site("java"));
  f.menu.tab(0).Nodes.root().children()[0]->Data.CollapsedImage = f.addIcon("Star.gif");
  f.write();
  EXPECT_EQ(f.pageLines().at(8).substr(0, f.pageLines().at(8).find(" NAME=")), std::string("<APPLET CODEBASE=\"") + c.appletCodebase + "\"");
  EXPECT_EQ(f.param("IMAGEDIR"), c.imageDirParam);
  EXPECT_TRUE(std::filesystem::exists(f.site(c.copiedIcon))) << c.copiedIcon;
  EXPECT_EQ(f.param("I0"), std::string("New Node; None; None; 0; ") + c.nodeImage + "; " + c.nodeImage + "; ;None; None; NO");
}

INSTANTIATE_TEST_SUITE_P(
    Settings, ImageFolders,
    ::testing::Values(FolderCase{"", "", ".", "<absent>", "Star.gif", "Star.gif"},
                      FolderCase{"/", "", ".", "/", "Star.gif", "Star.gif"},
                      // An empty image folder follows the class folder, where the applet looks.
                      FolderCase{"java/", "", "java/", "java/", "java/Star.gif", "Star.gif"},
                      FolderCase{"java/", "java/img/", "java/", "java/img/", "java/img/Star.gif", "img/Star.gif"},
                      FolderCase{"java/", "pics/", "java/", "pics/", "pics/Star.gif", "../pics/Star.gif"}));

// A save hands the page to its file in pieces; joined they are the page the
// clipboard gets whole, and none holds much more than half a megabyte.
TEST(PageComposer, ThePageInPiecesIsThePageWhole) {
  struct Case {
    TAppletKind kind;
    int tabs;
    int nodesPerTab;
    bool contentInFile;
  };
  for (const Case c : {Case{akTabTree, 30, 800, false}, Case{akTree, 1, 60000, false}, Case{akTab, 20000, 0, false},
                       Case{akTabTree, 30, 800, true}}) {
    WriterFixture f(c.kind);
    const std::vector<int> icons = {f.addIcon("a.gif"), f.addIcon("b.gif"), f.addIcon("c.gif")};
    f.menu.Settings.DefLeaf = icons[0];
    f.menu.Settings.ContentInFile = c.contentInFile;
    testing::fillVariedMenu(f.menu, 7, c.tabs, c.nodesPerTab, icons);
    const SiteLayout layout = siteLayoutFor(f.menu.Document.PagePath, f.menu.Settings);
    std::vector<std::string> pieces;
    const ComposedPage streamed = composePageTo(f.menu, layout, [&](std::string_view piece) { pieces.emplace_back(piece); });
    const ComposedPage whole = composePage(f.menu, layout);

    std::string joined;
    std::size_t largest = 0;
    for (const std::string& piece : pieces) {
      joined += piece;
      largest = std::max(largest, piece.size());
    }
    SCOPED_TRACE(std::string(appletNamesFor(c.kind).name) + (c.contentInFile ? " with content files" : ""));
    EXPECT_TRUE(streamed.text.empty());
    EXPECT_EQ(joined, whole.text);
    if (!c.contentInFile) {
      EXPECT_GT(pieces.size(), 2u);
    }
    EXPECT_LT(largest, 600u * 1024);
    EXPECT_EQ(streamed.copyList, whole.copyList);
    EXPECT_EQ(streamed.entriesWithSemicolon, whole.entriesWithSemicolon);
    ASSERT_EQ(streamed.contentFiles.size(), whole.contentFiles.size());
    for (std::size_t i = 0; i < whole.contentFiles.size(); ++i) {
      EXPECT_EQ(streamed.contentFiles[i].text, whole.contentFiles[i].text);
    }
  }
}

}  // namespace
}  // namespace quillon
