#include "seed_pages.hpp"

#include <algorithm>
#include <filesystem>
#include <functional>

#include "test_images.hpp"

namespace quillon::fuzz {

namespace fs = std::filesystem;
using testing::WriterFixture;

namespace {

TreeNode& addNode(TreeNode& parent, const std::string& text, TAppletNode data = {}) {
  return parent.appendChild(text, std::move(data));
}

// A few folders with leaves below, links in both fields.
void fillTree(NodeTree& tree, int folders, int leaves, const std::string& stem) {
  for (int f = 0; f < folders; ++f) {
    TreeNode& folder = addNode(tree.root(), stem + " folder " + std::to_string(f),
                               {.StatusText = "Status " + std::to_string(f), .URL1 = stem + std::to_string(f) + ".htm",
                                .Target1 = "main"});
    for (int l = 0; l < leaves; ++l) {
      addNode(folder, stem + " page " + std::to_string(l),
              {.URL1 = "p" + std::to_string(l) + ".htm", .URL2 = "frame.htm", .Target2 = "_top",
               .OpenExpanded = l % 2 == 0});
    }
  }
}

void tabsWithLinks(MenuModel& menu, int count) {
  menu.tab(0).Caption = "Home";
  menu.tab(0).TabPage.URL1 = "index.htm";
  for (int t = 1; t < count; ++t) {
    TAppletPage& tab = menu.AddTab("Tab " + std::to_string(t));
    tab.TabPage = {.StatusText = "Go to " + std::to_string(t), .URL1 = "t" + std::to_string(t) + ".htm",
                   .Target1 = "main", .URL2 = "side.htm", .Target2 = "left", .OnDemand = t % 2 ? "YES" : "NO"};
  }
}

void plainTabs(WriterFixture& f) {
  tabsWithLinks(f.menu, 4);
  f.menu.Settings.TabFontName = "Courier New";
  f.menu.Settings.TabFontSize = "10";
  f.menu.Settings.DefaultTab = 2;
}

void proxyTabs(WriterFixture& f) {
  tabsWithLinks(f.menu, 3);
  f.menu.Settings.ProxyEnhanced = true;
  f.menu.Settings.TabOnBottom = true;
  f.menu.Settings.TabBackColor = 0x336699;
}

void treeWithIcons(WriterFixture& f) {
  TAppletSettings& s = f.menu.Settings;
  s.Codebase = "java/";
  s.DefFolderClosed = f.addIcon("BookC.gif");
  s.DefFolderOpen = f.addIcon("BookO.gif");
  s.DefLeaf = f.addIcon("Leaf.gif");
  s.MouseOverFrame = TMouseOverFrame::Rect;
  s.ToggleSymbol = 'C';
  s.LineStyle = 'B';
  const int star = f.addIcon("Star.gif");
  NodeTree& tree = f.menu.tab(0).Nodes;
  tree.clear();
  fillTree(tree, 3, 4, "Tree");
  addNode(tree.root(), "Starred", {.URL1 = "star.htm", .CollapsedImage = star, .ExpandedImage = star});
}

void treeProxyContent(WriterFixture& f) {
  TAppletSettings& s = f.menu.Settings;
  s.ProxyEnhanced = true;
  s.ContentInFile = true;
  s.UseIcons = false;
  s.ToggleSymbol = 'X';
  s.LineStyle = 'X';
  NodeTree& tree = f.menu.tab(0).Nodes;
  tree.clear();
  fillTree(tree, 2, 3, "Content");
}

void tabTreeContentFiles(WriterFixture& f) {
  TAppletSettings& s = f.menu.Settings;
  s.Codebase = "java/";
  s.ContentInFile = true;
  s.DefLeaf = f.addIcon("Leaf.gif");
  s.DefFolderClosed = f.addIcon("BookC.gif");
  tabsWithLinks(f.menu, 3);
  for (int t = 0; t < 3; ++t) {
    NodeTree& tree = f.menu.tab(t).Nodes;
    tree.clear();
    fillTree(tree, 2, 2, "Tab " + std::to_string(t));
  }
}

// Texts that must be escaped, split, or that look like the page's own syntax.
void oddTexts(WriterFixture& f) {
  const std::vector<std::string> texts = {"Fish & \"Chips\" <b>", "proxy; TAB1", "***stars", "None", "none",
                                          "caf\xC3\xA9 \xE6\x97\xA5\xE6\x9C\xAC", "tab\there", "line\r\nbreak",
                                          "  padded  ", "a\\b/c", "&amp; literal", "<!-- not a comment -->",
                                          "</APPLET>", "\"", "", "T0I1", "=", "\xFF\xFE"};
  tabsWithLinks(f.menu, 2);
  f.menu.tab(1).Caption = "Odd \"tab\" & <more>";
  f.menu.tab(1).TabPage.StatusText = "status; with; semicolons";
  NodeTree& tree = f.menu.tab(0).Nodes;
  tree.clear();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    addNode(tree.root(), texts[i], {.StatusText = texts[(i + 1) % texts.size()], .URL1 = texts[(i + 2) % texts.size()],
                                    .Target1 = texts[(i + 3) % texts.size()]});
  }
  // Deep and wide trees in the second tab.
  NodeTree& second = f.menu.tab(1).Nodes;
  second.clear();
  TreeNode* deepest = &second.root();
  for (int depth = 0; depth < 30; ++depth) deepest = &addNode(*deepest, "Depth " + std::to_string(depth));
  TreeNode& wide = addNode(second.root(), "Wide");
  for (int i = 0; i < 40; ++i) addNode(wide, "Sibling " + std::to_string(i));
}

// Background images and sounds, and a Tab&Tree page with icons written per node.
void backgroundsAndSounds(WriterFixture& f) {
  TAppletSettings& s = f.menu.Settings;
  s.Codebase = "java/";
  const std::string back = f.temp.file("pictures/back.gif");
  testing::writeGif(back, 40, 30, 0x8080FF);
  s.TabBackImage = back;
  s.TreeBackImage = back;
  testing::writeFile(f.site("java/click.au"), "sound");
  s.ClickSound = f.site("java/click.au");
  s.ClickSoundName = "click.au";
  s.OverSound = f.site("java/click.au");
  s.OverSoundName = "click.au";
  s.ShowTabsOnly = true;
  s.ShowBorder = true;
  s.StartExpanded = true;
  s.MouseOverFrame = TMouseOverFrame::Line;
  const int a = f.addIcon("A.gif");
  const int b = f.addIcon("B.gif");
  tabsWithLinks(f.menu, 2);
  for (int t = 0; t < 2; ++t) {
    NodeTree& tree = f.menu.tab(t).Nodes;
    tree.clear();
    TreeNode& top = addNode(tree.root(), "Icons " + std::to_string(t), {.CollapsedImage = a, .ExpandedImage = b});
    addNode(top, "Child", {.CollapsedImage = b});
  }
}

struct SeedMenu {
  TAppletKind kind;
  std::function<void(WriterFixture&)> build;
};

}  // namespace

SeedSite::SeedSite(const std::string& corpusFolder) : fixture_(akTabTree) {
  fs::create_directories(fixture_.site("java"));
  const std::vector<SeedMenu> menus = {
      {akTab, plainTabs},         {akTab, proxyTabs},
      {akTree, treeWithIcons},    {akTree, treeProxyContent},
      {akTabTree, tabTreeContentFiles}, {akTabTree, oddTexts},
      {akTabTree, backgroundsAndSounds}, {akTree, oddTexts},
      {akTabTree, treeWithIcons},
  };
  for (std::size_t i = 0; i < menus.size(); ++i) {
    resetToNewMenu(fixture_.menu, menus[i].kind);
    menus[i].build(fixture_);
    // Each page its own name, so its content files do not replace another's.
    fixture_.menu.Document.PagePath = fixture_.site("seed" + std::to_string(i) + ".htm");
    fixture_.menu.Document.AskSaveLocation = false;
    fixture_.write();
    pages_.push_back(fixture_.pageText());
  }
  if (!corpusFolder.empty()) {
    for (std::string& page : readCorpusFolder(corpusFolder)) pages_.push_back(std::move(page));
  }
}

std::vector<std::string> readCorpusFolder(const std::string& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) {
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.') files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<std::string> pages;
  for (const fs::path& file : files) pages.push_back(testing::readFile(file.string()));
  return pages;
}

}  // namespace quillon::fuzz
