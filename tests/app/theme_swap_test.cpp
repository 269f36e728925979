// A theme page's look applied to an open menu: what it replaces and what it keeps.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/theme_swap.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;
using testing::writeFile;

class ThemeSwapTest : public ::testing::Test {
 protected:
  testing::TempDir temp;
  testing::ScriptedUi ui;
  MenuModel menu;
  std::string icons = temp.file("icons/");
  std::string themeDir = temp.file("themes/tree/Ocean/");

  void SetUp() override {
    fs::create_directories(icons);
    fs::create_directories(themeDir);
    fs::create_directories(temp.file("site/java"));
    for (const char* name : {"BookC.gif", "BookO.gif", "Leaf.gif", "home.gif"}) testing::writeGif(icons + name, 16, 16);
    for (const char* name : {"oc.gif", "oo.gif", "ol.gif"}) testing::writeGif(themeDir + name, 16, 16, 0x004080);
  }

  // A Tree menu saved at site/index.htm with the stock images and one icon of its own.
  void treeMenu(TAppletKind kind = akTree) {
    resetToNewMenu(menu, kind);
    TAppletSettings& s = menu.Settings;
    s.DefFolderClosed = menu.Images.AddImage(icons + "BookC.gif");
    s.DefFolderOpen = menu.Images.AddImage(icons + "BookO.gif");
    s.DefLeaf = menu.Images.AddImage(icons + "Leaf.gif");
    const int home = menu.Images.AddImage(icons + "home.gif");
    s.Codebase = "java/";
    s.Width = "180";
    s.ShowBorder = true;
    s.TreeBackColor = 0x00FF00;
    s.ClickSound = "/sounds/click.au";
    s.ClickSoundName = "click.au";
    menu.tab(0).Caption = "Products";
    menu.AddTab("Support");
    s.DefaultTab = 1;
    NodeTree& tree = menu.tab(0).Nodes;
    tree.clear();
    TreeNode& folder = tree.root().appendChild("Catalogue", TAppletNode{.URL1 = "catalogue.htm",
                                                                         .CollapsedImage = s.DefFolderClosed,
                                                                         .ExpandedImage = s.DefFolderOpen});
    folder.appendChild("Prices", TAppletNode{.URL1 = "prices.htm", .CollapsedImage = s.DefLeaf});
    folder.appendChild("Home", TAppletNode{.URL1 = "index.htm", .CollapsedImage = home, .ExpandedImage = 9});
    tree.root().appendChild("Contact", TAppletNode{.URL1 = "contact.htm"});
    DocumentState& d = menu.Document;
    d.PagePath = temp.file("site/index.htm");
    d.AskSaveLocation = false;
    d.DemoLoaded = true;
    d.HeaderLines = {"<HTML><BODY>", "<APPLET CODE=\"TrellTreeR.class\">"};
    d.FooterLines = {"</BODY></HTML>"};
    d.BodyTag = "<BODY>";
  }

  std::string themePage(const std::string& params, const std::string& appletCode = "TrellTreeR.class") {
    const std::string page = themeDir + "Ocean.htm";
    writeFile(page, "<HTML>\r\n<HEAD><TITLE>Ocean</TITLE></HEAD>\r\n<BODY BGCOLOR=\"#003366\">\r\n<P>Before</P>\r\n"
                    "<APPLET CODEBASE=\".\" NAME=\"OrvelTree\" CODE=\"" + appletCode +
                        "\" WIDTH=300 HEIGHT=200>\r\n" + params +
                        "\t<PARAM NAME=\"I0\" VALUE=\"Theme node; a.htm; None; 0; folder ; folder ; ;None; None; NO\">\r\n"
                        "</APPLET>\r\n<P>After</P>\r\n</BODY>\r\n</HTML>\r\n");
    return page;
  }

  const TAppletNode& node(int tab, std::initializer_list<int> path) const {
    const TreeNode* at = &menu.tab(tab).Nodes.root();
    for (int i : path) at = at->children().at(static_cast<std::size_t>(i)).get();
    return at->Data;
  }
};

const char* const kOceanTreeParams =
    "\t<PARAM NAME=\"FONT\" VALUE=\"Verdana; PLAIN;10\">\r\n"
    "\t<PARAM NAME=\"BACKGROUND\" VALUE=\"0,51,102\">\r\n"
    "\t<PARAM NAME=\"FOREGROUND\" VALUE=\"255,255,255\">\r\n"
    "\t<PARAM NAME=\"STYLE\" VALUE=\"BABA\">\r\n"
    "\t<PARAM NAME=\"TAB_DEFAULT\" VALUE=\"999\">\r\n"
    "\t<PARAM NAME=\"FOLDER_CLOSED\" VALUE=\" oc.gif \">\r\n"
    "\t<PARAM NAME=\"FOLDER_OPEN\" VALUE=\"oo.gif\">\r\n"
    "\t<PARAM NAME=\"LEAF\" VALUE=\"ol.gif\">\r\n";

TEST_F(ThemeSwapTest, TakesTheLookAndKeepsTheMenu) {
  treeMenu();
  const std::string page = themePage(kOceanTreeParams);
  ASSERT_TRUE(swapThemes(menu, page, ui));
  EXPECT_TRUE(ui.messages.empty());

  const TAppletSettings& s = menu.Settings;
  // Kept: kind, size, class-file location, start-up tab, sounds the theme does not name, the page's place.
  EXPECT_EQ(s.Kind, akTree);
  EXPECT_EQ(s.Width, "180");
  EXPECT_EQ(s.Codebase, "java/");
  EXPECT_EQ(s.DefaultTab, 1);
  EXPECT_EQ(s.ClickSoundName, "click.au");
  EXPECT_EQ(menu.Document.PagePath, temp.file("site/index.htm"));
  EXPECT_FALSE(menu.Document.AskSaveLocation);
  EXPECT_TRUE(menu.Document.DemoLoaded);
  // Replaced: the theme's values, and the defaults where the theme names none.
  EXPECT_EQ(s.TreeFontName, "Verdana");
  EXPECT_EQ(s.TreeFontSize, "10");
  EXPECT_EQ(s.TreeBackColor, 0x663300u);
  EXPECT_EQ(s.TreeTextColor, 0xFFFFFFu);
  EXPECT_EQ(s.ToggleSymbol, 'B');
  EXPECT_EQ(s.LineStyle, 'B');
  EXPECT_FALSE(s.ShowBorder);

  // The theme's three default images come first; the node's own icon follows them.
  std::vector<std::string> files;
  for (const char* name : {"oc.gif", "oo.gif", "ol.gif"}) files.push_back(themeDir + name);
  files.push_back(icons + "home.gif");
  EXPECT_EQ(menu.Images.ImageFiles(), files);
  EXPECT_EQ(s.DefFolderClosed, 0);
  EXPECT_EQ(s.DefFolderOpen, 1);
  EXPECT_EQ(s.DefLeaf, 2);
  EXPECT_TRUE(menu.Document.ImagesFromPage);

  // Tabs and nodes stay; each node shows the theme's counterpart of its default image, or its own.
  ASSERT_EQ(menu.tabCount(), 2);
  EXPECT_EQ(menu.tab(0).Caption, "Products");
  EXPECT_EQ(menu.tab(0).Nodes.size(), 4u);
  EXPECT_EQ(node(0, {0}).URL1, "catalogue.htm");
  EXPECT_EQ(node(0, {0}).CollapsedImage, s.DefFolderClosed);
  EXPECT_EQ(node(0, {0}).ExpandedImage, s.DefFolderOpen);
  EXPECT_EQ(node(0, {0, 0}).CollapsedImage, s.DefLeaf);
  EXPECT_EQ(node(0, {0, 1}).CollapsedImage, 3);
  EXPECT_EQ(node(0, {0, 1}).ExpandedImage, -1) << "an index that named no image names none";
  EXPECT_EQ(node(0, {1}).CollapsedImage, -1);
  EXPECT_EQ(node(0, {1}).URL1, "contact.htm");

  // The page around the applet and its body tag are the theme's.
  EXPECT_EQ(menu.Document.BodyTag, "<BODY BGCOLOR=\"#003366\">");
  ASSERT_EQ(menu.Document.HeaderLines.size(), 5u);
  EXPECT_EQ(menu.Document.HeaderLines.front(), "<HTML>");
  EXPECT_NE(menu.Document.HeaderLines.back().find("CODE=\"TrellTreeR.class\""), std::string::npos);
  EXPECT_EQ(menu.Document.FooterLines, (std::vector<std::string>{"<P>After</P>", "</BODY>", "</HTML>"}));

  EXPECT_EQ(ui.statusTexts, (std::vector<std::string>{"Reading HTML file.", "Ready."}));
  EXPECT_EQ(ui.busyDepth, 0);
}

TEST_F(ThemeSwapTest, TabAndTreeMenuReadsTheTabAndTreeNames) {
  treeMenu(akTabTree);
  const std::string page = themePage(
      "\t<PARAM NAME=\"TAB_BG\" VALUE=\"10,20,30\">\r\n"
      "\t<PARAM NAME=\"TABONBOTTOM\" VALUE=\"Yes\">\r\n"
      "\t<PARAM NAME=\"TREE_BG\" VALUE=\"0,51,102\">\r\n"
      "\t<PARAM NAME=\"BACKGROUND\" VALUE=\"1,2,3\">\r\n"
      "\t<PARAM NAME=\"TREE_MOUSEOVERFRAME\" VALUE=\"Line\">\r\n"
      "\t<PARAM NAME=\"LEAF\" VALUE=\"ol.gif\">\r\n",
      "TrellTabTreeR.class");
  ASSERT_TRUE(swapThemes(menu, page, ui));
  const TAppletSettings& s = menu.Settings;
  EXPECT_EQ(s.TabBackColor, 0x1E140Au);
  EXPECT_TRUE(s.TabOnBottom);
  EXPECT_EQ(s.TreeBackColor, 0x663300u) << "the Tree applet's name is not this kind's";
  EXPECT_EQ(s.MouseOverFrame, TMouseOverFrame::Line);
  // Without the theme's folder images the folder nodes have no default to show.
  EXPECT_EQ(s.DefFolderClosed, -1);
  EXPECT_EQ(s.DefLeaf, 0);
  EXPECT_EQ(node(0, {0}).CollapsedImage, -1);
  EXPECT_EQ(node(0, {0, 0}).CollapsedImage, 0);
  EXPECT_EQ(menu.tabCount(), 2);
  EXPECT_EQ(menu.tab(1).Caption, "Support");
}

TEST_F(ThemeSwapTest, TabMenuTakesNoDefaultImages) {
  treeMenu(akTab);
  const std::string page = themePage("\t<PARAM NAME=\"TAB_FG\" VALUE=\"255,0,0\">\r\n" + std::string(kOceanTreeParams),
                                     "TrellTabR.class");
  ASSERT_TRUE(swapThemes(menu, page, ui));
  EXPECT_EQ(menu.Settings.TabTextColor, 0x0000FFu);
  EXPECT_EQ(menu.Images.ImageFiles(), (std::vector<std::string>{icons + "home.gif"}));
  EXPECT_EQ(menu.Settings.DefLeaf, -1);
}

struct RefusedCase {
  const char* name;
  const char* page;  // nullptr: no file at all
  const char* message;
};

class ThemeSwapRefused : public ThemeSwapTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(ThemeSwapRefused, LeavesTheMenuAsItWas) {
  treeMenu();
  const std::string page = themeDir + "Broken.htm";
  if (GetParam().page) writeFile(page, GetParam().page);
  const TAppletSettings before = menu.Settings;
  const std::vector<std::string> images = menu.Images.ImageFiles();
  const DocumentState document = menu.Document;

  EXPECT_FALSE(swapThemes(menu, page, ui));
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{std::string(GetParam().message) + (GetParam().page ? "" : page)}));
  EXPECT_EQ(menu.Settings, before);
  EXPECT_EQ(menu.Images.ImageFiles(), images);
  EXPECT_EQ(menu.Document.HeaderLines, document.HeaderLines);
  EXPECT_EQ(menu.Document.BodyTag, document.BodyTag);
  EXPECT_EQ(node(0, {0, 1}).CollapsedImage, 3);
  EXPECT_EQ(ui.statusTexts.back(), "Ready.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThemeSwapRefused,
    ::testing::Values(
        RefusedCase{"OtherApplet",
                    "<BODY BGCOLOR=\"red\"><APPLET CODE=\"Clock.class\"><PARAM NAME=\"BACKGROUND\" VALUE=\"0,0,0\">"
                    "</APPLET></BODY>",
                    "No Quillon [Applets] found"},
        RefusedCase{"NoApplet", "<HTML><BODY>Just text</BODY></HTML>", "No Quillon [Applets] found"},
        RefusedCase{"Unreadable", nullptr, "An error occured while trying to open "}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quillon
