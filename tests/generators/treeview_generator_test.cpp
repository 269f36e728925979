// The tree view's node lines, its fixed template lines and its files.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "generator_fixture.hpp"
#include "generators/tree_node_lines.hpp"
#include "generators/treeview_generator.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

using testing::GeneratorFixture;
using testing::linesAfter;
using Lines = std::vector<std::string>;
namespace at = tree_lines;

std::vector<TreeScriptNode> scriptNodes(const std::vector<std::pair<std::string, int>>& outline) {
  std::vector<TreeScriptNode> nodes;
  for (const auto& [id, level] : outline) nodes.push_back({id, "", id, "", level});
  return nodes;
}

// The node text cut at its CR LFs.
Lines treeNodeLines(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root) {
  const std::string text = treeNodeText(nodes, root);
  Lines lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find("\r\n", start), text.size());
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

std::string node(const std::string& id, const std::string& children = "") {
  return id + " = new createNodeObject('" + id + "', '', '" + id + "', '', ''" +
         (children.empty() ? ");" : ", " + children + ");");
}

const char* kRootStart = "rootNode = new createNodeObject('root', '', 'Site', 'Explore', ''";

TEST(TreeNodeLines, ChildrenComeFirstAndParentsListThemInOrder) {
  struct Case {
    const char* name;
    std::vector<std::pair<std::string, int>> outline;
    Lines expected;
  };
  const std::string root = kRootStart;
  const Case cases[] = {
      {"A with B and D, B with C",
       {{"ID00", 0}, {"ID01", 1}, {"ID02", 2}, {"ID03", 1}},
       {node("ID03"), node("ID02"), node("ID01", "ID02"), node("ID00", "ID01, ID03"), root + ", ID00);"}},
      {"two top-level nodes", {{"ID00", 0}, {"ID01", 0}}, {node("ID01"), node("ID00"), root + ", ID00, ID01);"}},
      {"one node", {{"ID00", 0}}, {node("ID00"), root + ", ID00);"}},
      {"a branch left three levels up",
       {{"ID00", 0}, {"ID01", 1}, {"ID02", 2}, {"ID03", 3}, {"ID04", 1}, {"ID05", 0}},
       {node("ID05"), node("ID04"), node("ID03"), node("ID02", "ID03"), node("ID01", "ID02"),
        node("ID00", "ID01, ID04"), root + ", ID00, ID05);"}},
      {"siblings with children between them",
       {{"ID00", 0}, {"ID01", 1}, {"ID02", 2}, {"ID03", 1}, {"ID04", 2}, {"ID05", 1}},
       {node("ID05"), node("ID04"), node("ID03", "ID04"), node("ID02"), node("ID01", "ID02"),
        node("ID00", "ID01, ID03, ID05"), root + ", ID00);"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(treeNodeLines(scriptNodes(c.outline), {"Site", "Explore", false}), c.expected) << c.name;
  }
}

TEST(TreeNodeLines, OneTabRootListsOnlyTheTab) {
  const Lines lines = treeNodeLines(scriptNodes({{"ID00", 0}, {"ID01", 0}}), {"Site", "Explore", true});
  EXPECT_EQ(lines.back(), std::string(kRootStart) + ", ID00);");
}

TEST(TreeNodeLines, AThousandSiblingsStayInOrder) {
  std::vector<std::pair<std::string, int>> outline{{"P", 0}};
  for (int k = 0; k < 1000; ++k) outline.push_back({"C" + std::to_string(k), 1});
  const Lines lines = treeNodeLines(scriptNodes(outline), {"", "", false});
  ASSERT_EQ(lines.size(), 1002u);
  EXPECT_EQ(lines[1000].substr(0, 60).find("P = "), 0u);
  EXPECT_NE(lines[1000].find("'', C0, C1, C2,"), std::string::npos);
  EXPECT_NE(lines[1000].find(", C998, C999);"), std::string::npos);
}

// A large menu's lines go out in pieces: none may be lost, doubled or cut
// anywhere but between lines.
TEST(TreeNodeLines, DrainedPiecesJoinToTheWholeText) {
  std::vector<std::pair<std::string, int>> outline;
  for (int k = 0; k < 30000; ++k) outline.push_back({"ID" + std::to_string(k), k % 4});
  const std::vector<TreeScriptNode> nodes = scriptNodes(outline);
  const TreeScriptRoot root{"Site", "Explore", false};
  std::string joined;
  std::size_t pieces = 0;
  std::string out;
  appendTreeNodeText(out, nodes, root, [&](std::string& text) {
    EXPECT_GE(text.size(), kTreeTextPiece);
    EXPECT_LT(text.size(), kTreeTextPiece + 4096) << "drained at the first line past a piece";
    EXPECT_EQ(text.substr(text.size() - 2), ");");
    joined += text;
    text.clear();
    ++pieces;
  });
  joined += out;
  EXPECT_GE(pieces, 3u);
  EXPECT_EQ(joined, treeNodeText(nodes, root));
}

TEST(TreeView, WritesTheFramesetTreePageAndTheirFiles) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}, {"B", 1}, {"Tom's C", 2}, {"D", 1}});
  auto& a = *f.menu.tab(0).Nodes.root().children()[0];
  a.Data.URL1 = "a.htm";
  a.Data.StatusText = "A's page";
  a.children()[0]->Data.URL1 = "it's.htm";
  f.menu.Document.BodyTag = "<BODY bgcolor='#FFFFFF'>";
  TreeViewOptions options;

  const GenerationResult result = generateTreeView(options, f.context, false);
  ASSERT_TRUE(result.written()) << result.failure;
  EXPECT_EQ(result.pagePath, f.site("MyTree.htm"));
  for (const char* file : {"MyTree.htm", "treex.htm", "main.htm", "Space.gif", "Leaf.gif", "Folder95C.gif",
                           "Folder95O.gif"}) {
    EXPECT_TRUE(std::filesystem::exists(f.site(file))) << file;
  }
  const Lines frameset = f.lines("MyTree.htm");
  EXPECT_EQ(frameset[at::kBaseTarget], "var HTMLBaseTarget = '<BASE TARGET=\"main\">';");
  EXPECT_EQ(frameset[at::kBody], "var HTMLBody = '<BODY bgcolor=\\'#FFFFFF\\'>';");
  EXPECT_EQ(frameset[at::kTitle], "var Title = 'Morvane`s Quillon';");
  EXPECT_EQ(frameset[at::kLeafImage], "var imgLeaf = '<IMG SRC=\"Leaf.gif\" WIDTH=16 HEIGHT=16 BORDER=0 ALT=\"';");
  EXPECT_EQ(linesAfter(frameset, "//Nodes", 5),
            (Lines{"ID03 = new createNodeObject('ID03', '', 'D', '', '');",
                   "ID02 = new createNodeObject('ID02', '', 'Tom`s C', '', '');",
                   "ID01 = new createNodeObject('ID01', 'it\\'s.htm', 'B', '', '', ID02);",
                   "ID00 = new createNodeObject('ID00', 'a.htm', 'A', 'A\\'s page', '', ID01, ID03);",
                   "rootNode = new createNodeObject('root', '', 'My Site Name', 'Start here to explore', '', ID00);"}));
  EXPECT_EQ(frameset[at::kFrameset + 5], "<frameset cols=\"250,*\">") << "below the five node lines";
  const Lines page = f.lines("treex.htm");
  EXPECT_EQ(page[at::kPageBody], f.menu.Document.BodyTag);
  EXPECT_EQ(page[at::kPageTitle], "Morvane`s Quillon");
  EXPECT_EQ(page[at::kPageRootName], "My Site Name");
  EXPECT_EQ(page[at::kPageRootIcon], "<IMG SRC=\"Folder95C.gif\"");
}

TEST(TreeView, FramesetLinesFollowTheOptions) {
  TreeViewOptions options;
  options.showFrameLines = false;
  EXPECT_EQ(treeFramesetLine(options), "<frameset framespacing=\"0\" frameborder=\"0\" border=\"0\"cols=\"250,*\">");

  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  options.showScrollbar = false;
  options.leftFrameName = "nav";
  options.mainFrameName = "content";
  options.leftFrameWidth = "30%";
  options.framesetPage = "Site.htm";
  ASSERT_TRUE(generateTreeView(options, f.context, true).written());
  const Lines frameset = f.lines("~Site.htm");
  const Lines frames = linesAfter(frameset, "<frameset framespacing=\"0\" frameborder=\"0\" border=\"0\"cols=\"30%,*\">", 2);
  EXPECT_EQ(frames, (Lines{"  <frame src=\"treex.htm\" name=\"nav\" scrolling=\"no\" noresize marginwidth=\"0\" "
                           "marginheight=\"0\" target=\"content\">",
                           "  <frame src=\"main.htm\" name=\"content\">"}));
  EXPECT_TRUE(std::filesystem::exists(f.site("treex.htm"))) << "the tree page is written when previewing too";

  options.showScrollbar = true;
  ASSERT_TRUE(generateTreeView(options, f.context, true).written());
  EXPECT_EQ(linesAfter(f.lines("~Site.htm"), "<frameset framespacing=\"0\" frameborder=\"0\" border=\"0\"cols=\"30%,*\">", 1)
                .at(0),
            "  <frame src=\"treex.htm\" name=\"nav\" noresize marginwidth=\"0\" marginheight=\"0\" target=\"content\">");
}

TEST(TreeView, FontsWrapCaptionsTitleAndHeader) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}, {"B", 1}});
  showPageStyle(f.style, false);
  f.style.form.useDefaultFonts = false;
  f.style.form.fontTitle = PageFont{"Tom's Face", 12, true};
  f.style.form.fontLevel1 = PageFont{"L1", 10};
  f.style.form.fontLevel2 = PageFont{"L2", 10};
  f.style.form.fontLevel3 = PageFont{"L3", 8, false, true};
  confirmPageStyle(f.style);
  ASSERT_TRUE(generateTreeView(TreeViewOptions{}, f.context, false).written());
  const Lines frameset = f.lines("MyTree.htm");
  EXPECT_EQ(frameset[at::kHeader],
            "var HMTLHeader = '<TABLE WIDTH=\"100%\"><TR><TD NOWRAP ALIGN=\"LEFT\"><B><font face=\"Tom\\'s Face\" "
            "size=\"3\" color=\"#000000\">'+Title+'</font></B></TD></TR></TABLE>';");
  EXPECT_EQ(linesAfter(frameset, "//Nodes", 3),
            (Lines{"ID01 = new createNodeObject('ID01', '', '<I><font face=\"L3\" size=\"1\" color=\"#000000\">B</font></I>', "
                   "'', '');",
                   "ID00 = new createNodeObject('ID00', '', '<font face=\"L2\" size=\"2\" color=\"#000000\">A</font>', '', "
                   "'', ID01);",
                   "rootNode = new createNodeObject('root', '', '<font face=\"L1\" size=\"2\" color=\"#000000\">My Site "
                   "Name</font>', 'Start here to explore', '', ID00);"}));
  const Lines page = f.lines("treex.htm");
  EXPECT_EQ(page[at::kPageTitle], "<B><font face=\"Tom's Face\" size=\"3\" color=\"#000000\">Morvane`s Quillon</font></B>");
  EXPECT_EQ(page[at::kPageRootName], "<font face=\"L1\" size=\"2\" color=\"#000000\">My Site Name</font>");
}

TEST(TreeView, MenuIconsComeFromTheImageFolderWithoutARootPrefix) {
  struct Case {
    const char* imageDir;
    const char* codebase;
    const char* prefix;
  };
  const Case cases[] = {{"", "", ""}, {"/", "", ""}, {"", "java/", "java/"}, {"img", "java/", "img/"}};
  for (const Case& c : cases) {
    GeneratorFixture f;
    f.tabTreeMenu({{"One", {{"a", 0}}}});
    f.menu.Settings.ImageDir = c.imageDir;
    f.menu.Settings.Codebase = c.codebase;
    f.menu.Settings.UseIcons = true;
    const std::string folder = f.temp.file("pictures/");
    for (const char* name : {"BookC.gif", "BookO.gif", "Leaf.gif"}) {
      std::filesystem::create_directories(folder);
      testing::writeGif(folder + name, 16, 16);
    }
    f.menu.Settings.DefFolderClosed = f.menu.Images.AddImage(folder + "BookC.gif");
    f.menu.Settings.DefFolderOpen = f.menu.Images.AddImage(folder + "BookO.gif");
    f.menu.Settings.DefLeaf = f.menu.Images.AddImage(folder + "Leaf.gif");
    ASSERT_TRUE(generateTreeView(TreeViewOptions{}, f.context, false).written());
    const std::string prefix = c.prefix;
    const Lines frameset = f.lines("MyTree.htm");
    EXPECT_EQ(frameset[at::kLeafImage],
              "var imgLeaf = '<IMG SRC=\"" + prefix + "Leaf.gif\" WIDTH=16 HEIGHT=16 BORDER=0 ALT=\"';")
        << c.imageDir;
    EXPECT_EQ(frameset[at::kFolderClosedImage],
              "var imgFolderC = '<IMG SRC=\"" + prefix + "BookC.gif\" WIDTH=16 HEIGHT=16 BORDER=0 ALT=\"';");
    EXPECT_EQ(frameset[at::kFolderOpenImage],
              "var imgFolderO = '<IMG SRC=\"" + prefix + "BookO.gif\" WIDTH=16 HEIGHT=16 BORDER=0 ALT=\"';");
    EXPECT_EQ(f.lines("treex.htm")[at::kPageRootIcon], "<IMG SRC=\"" + prefix + "BookC.gif\"");
    EXPECT_FALSE(std::filesystem::exists(f.site("Folder95C.gif"))) << "no shipped folder pictures are needed";
  }
}

TEST(TreeView, TabTreeMenusGiveTabRecordsAndSeparateIdsPastTenTabs) {
  GeneratorFixture f;
  f.tabTreeMenu({{"One", {{"a", 0}}}, {"Two", {{"b", 0}}}});
  f.menu.tab(1).TabPage.StatusText = "second";
  ASSERT_TRUE(generateTreeView(TreeViewOptions{}, f.context, false).written());
  EXPECT_EQ(linesAfter(f.lines("MyTree.htm"), "//Nodes", 5),
            (Lines{"ID13 = new createNodeObject('ID13', '', 'b', '', '');",
                   "ID02 = new createNodeObject('ID02', '', 'Two', 'second', '', ID13);",
                   "ID01 = new createNodeObject('ID01', '', 'a', '', '');",
                   "ID00 = new createNodeObject('ID00', '', 'One', '', '', ID01);",
                   "rootNode = new createNodeObject('root', '', 'My Site Name', 'Start here to explore', '', ID00, "
                   "ID02);"}));

  std::vector<std::pair<std::string, testing::Outline>> tabs;
  for (int t = 0; t < 12; ++t) tabs.push_back({"T" + std::to_string(t), {{"n", 0}}});
  f.tabTreeMenu(tabs);
  ASSERT_TRUE(generateTreeView(TreeViewOptions{}, f.context, false).written());
  const Lines frameset = f.lines("MyTree.htm");
  EXPECT_EQ(linesAfter(frameset, "//Nodes", 1).at(0), "ID11_23 = new createNodeObject('ID11_23', '', 'n', '', '');");
}

TEST(TreeView, TabMenuTabsAreTopLevelNodes) {
  GeneratorFixture f;
  f.tabMenu({"Home", "About"});
  f.menu.tab(1).TabPage.StatusText = "not shown";
  ASSERT_TRUE(generateTreeView(TreeViewOptions{}, f.context, false).written());
  EXPECT_EQ(linesAfter(f.lines("MyTree.htm"), "//Nodes", 3),
            (Lines{"ID11 = new createNodeObject('ID11', '', 'About', '', '');",
                   "ID00 = new createNodeObject('ID00', '', 'Home', '', '');",
                   "rootNode = new createNodeObject('root', '', 'My Site Name', 'Start here to explore', '', ID00, "
                   "ID11);"}));
}

// The frameset page is written as it is made: a write that fails after some
// of it went out leaves the page that was there and no temporary file.
TEST(TreeView, AFramesetThatFailsHalfWrittenLeavesTheOldOne) {
  GeneratorFixture f;
  std::vector<std::pair<std::string, int>> outline;
  for (int k = 0; k < 30000; ++k) outline.push_back({"Page " + std::to_string(k), k % 5 == 0 ? 0 : 1});
  f.treeMenu(outline);
  ASSERT_TRUE(generateTreeView(TreeViewOptions{}, f.context, false).written());
  ASSERT_GT(std::filesystem::file_size(f.site("MyTree.htm")), 2u << 20);
  const Lines before = f.lines("MyTree.htm");
  f.menu.tab(0).Nodes.root().children()[0]->Text = "Changed";

  // Files past 1 MiB cannot be written: the first pieces go out, a later one fails.
  rlimit limit{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &limit), 0);
  const rlimit small{1u << 20, limit.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const GenerationResult result = generateTreeView(TreeViewOptions{}, f.context, false);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(result.written());
  EXPECT_EQ(result.failure, "The page " + f.site("MyTree.htm") + " could not be written.");
  EXPECT_EQ(f.lines("MyTree.htm"), before);
  for (const auto& entry : std::filesystem::directory_iterator(f.site(""))) {
    EXPECT_EQ(entry.path().filename().string().find(".MyTree.htm"), std::string::npos) << entry.path();
  }
}

TEST(TreeView, TemplatesWithoutTheirLinesWriteNothing) {
  GeneratorFixture f;
  f.treeMenu({{"A", 0}});
  f.useTemplates({{"treex.htm", std::string(20, '\n')}, {"tree.htm", "short\n"}});
  const GenerationResult result = generateTreeView(TreeViewOptions{}, f.context, false);
  EXPECT_FALSE(result.written());
  EXPECT_NE(result.failure.find("tree.htm"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(f.site("MyTree.htm")));
  EXPECT_FALSE(std::filesystem::exists(f.site("treex.htm")));
}

}  // namespace
}  // namespace quillon
