// The themes, the demonstration menu and the help pages the program ships,
// read as the program reads them.
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include "app/new_applet_wizard.hpp"
#include "app/theme_swap.hpp"
#include "format/page_reader.hpp"
#include "imaging/image_file.hpp"
#include "scripted_ui.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

namespace fs = std::filesystem;

const std::string kShipped = QUILLON_SHIPPED_DIR;

std::set<std::string> anchorsOf(const std::string& text) {
  std::set<std::string> anchors;
  const std::regex id(R"re((?:id|name)\s*=\s*"([^"]*)")re", std::regex::icase);
  for (std::sregex_iterator it(text.begin(), text.end(), id), end; it != end; ++it) anchors.insert((*it)[1]);
  return anchors;
}

// A link of a page in the files folder names a file there, and a place in it that exists.
void expectLinkResolves(const std::string& page, const std::string& link) {
  if (link.find(':') != std::string::npos) return;  // mailto:, http: and the like
  if (link == "~preview.htm") return;                // Preview writes it beside the demonstration
  const std::size_t hash = link.find('#');
  const std::string file = link.substr(0, hash);
  const std::string target = file.empty() ? page : kShipped + "files/" + file;
  ASSERT_TRUE(fs::is_regular_file(target)) << link << " in " << page;
  if (hash != std::string::npos) {
    EXPECT_TRUE(anchorsOf(testing::readFile(target)).contains(link.substr(hash + 1))) << link << " in " << page;
  }
}

struct KindCase {
  TAppletKind kind;
  int previewHeight;  // the wizard's picture beside the kind's option is 230 wide
};

class ShippedThemes : public ::testing::TestWithParam<KindCase> {
 protected:
  testing::ScriptedUi ui;

  void expectPreview(const std::string& path) const {
    const std::optional<Bitmap> picture = loadImageFile(path);
    ASSERT_TRUE(picture) << path;
    EXPECT_EQ(picture->width, 230) << path;
    EXPECT_EQ(picture->height, GetParam().previewHeight) << path;
  }
};

TEST_P(ShippedThemes, EveryThemeReadsAsAMenuOfItsKindWithAPreviewOfTheWizardsSize) {
  const TAppletKind kind = GetParam().kind;
  const std::string folder = themeFolder(kShipped, kind);
  expectPreview(folder + "Normal/Normal.jpg");
  const std::vector<std::string> themes = listThemes(folder);
  EXPECT_GE(themes.size(), 3u);
  for (const std::string& name : themes) {
    SCOPED_TRACE(name);
    expectPreview(folder + name + "/" + name + ".jpg");
    MenuModel menu;
    ReaderContext reader{ui};
    reader.importingTheme = true;
    ASSERT_TRUE(ReadPage(menu, folder + name + "/" + name + ".htm", reader));
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    EXPECT_EQ(menu.Settings.Kind, kind);
    EXPECT_TRUE(menu.Settings.Codebase.empty()) << "a new menu from the theme keeps its classes beside its page";
    EXPECT_NE(menu.Document.BodyTag, "");
    EXPECT_FALSE(menu.Document.FooterLines.empty());
    EXPECT_GE(menu.tabCount(), kind == akTree ? 1 : 3);
    if (hasTrees(kind)) {
      EXPECT_GE(menu.tab(0).Nodes.size(), 4u);
      EXPECT_EQ(menu.Images.count(), 3);
      EXPECT_NE(menu.Settings.DefFolderClosed, -1);
      EXPECT_NE(menu.Settings.DefFolderOpen, -1);
      EXPECT_NE(menu.Settings.DefLeaf, -1);
    }
  }
}

TEST_P(ShippedThemes, EveryThemeAppliesToAnOpenMenuOfItsKind) {
  const TAppletKind kind = GetParam().kind;
  const std::string folder = themeFolder(kShipped, kind);
  for (const std::string& name : listThemes(folder)) {
    SCOPED_TRACE(name);
    MenuModel menu;
    resetToNewMenu(menu, kind);
    menu.tab(0).Caption = "Mine";
    ASSERT_TRUE(swapThemes(menu, folder + name + "/" + name + ".htm", ui));
    EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
    EXPECT_EQ(menu.tab(0).Caption, "Mine");
    EXPECT_EQ(menu.Images.count(), hasTrees(kind) ? 3 : 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShippedThemes,
                         ::testing::Values(KindCase{akTab, 50}, KindCase{akTree, 55}, KindCase{akTabTree, 80}),
                         [](const auto& info) {
                           return std::string(info.param.kind == akTab    ? "Tab"
                                              : info.param.kind == akTree ? "Tree"
                                                                          : "TabTree");
                         });

TEST(ShippedDemo, ReadsAsATabAndTreeMenuWithItsPreviewPageBeside) {
  testing::ScriptedUi ui;
  MenuModel menu;
  ReaderContext reader{ui};
  ASSERT_TRUE(ReadPage(menu, kShipped + "files/OrvelLeft.htm", reader));
  EXPECT_TRUE(ui.messages.empty()) << ui.messages.front().text;
  EXPECT_EQ(menu.Settings.Kind, akTabTree);
  EXPECT_EQ(menu.Settings.Codebase, "JClass/");
  EXPECT_GE(menu.tabCount(), 4);
  EXPECT_GT(menu.Images.count(), 3) << "nodes with icons of their own";
  EXPECT_TRUE(fs::is_regular_file(kShipped + "files/~demo.htm"));
  // The demonstration is a tour of the help pages: every entry opens one.
  const std::string page = kShipped + "files/OrvelLeft.htm";
  for (int t = 0; t < menu.tabCount(); ++t) {
    expectLinkResolves(page, menu.tab(t).TabPage.URL1);
    menu.tab(t).Nodes.forEachInPageOrder([&](const TreeNode& node, int) { expectLinkResolves(page, node.Data.URL1); });
  }
}

// Every file a help page links to or shows lies in the program folder.
TEST(ShippedHelp, PagesExistAndTheirLocalLinksResolve) {
  const std::vector<std::string> pages = {
      "OrvelCommander.htm",   "start.htm",          "OrvelTreeView.htm",     "OrvelDropDown.htm",
      "OrvelSiteMap.htm",     "OrvelGenDropDown.htm", "OrvelGenSiteMap.htm", "OrvelGenTreeView.htm",
      "OrvelDeployFrames.htm", "OrvelDeployFloating.htm", "OrvelSiteXInternet.htm", "OrvelSiteXLocal.htm",
      "OrvelSiteXFiles.htm",  "OrvelMain.htm",      "~demo.htm",           "OrvelGenXmlSitemap.htm"};
  const std::regex reference(R"re((?:href|src)\s*=\s*"([^"]*)")re", std::regex::icase);
  for (const std::string& page : pages) {
    SCOPED_TRACE(page);
    const std::string path = kShipped + "files/" + page;
    ASSERT_TRUE(fs::is_regular_file(path));
    const std::string text = testing::readFile(path);
    for (std::sregex_iterator it(text.begin(), text.end(), reference), end; it != end; ++it) {
      expectLinkResolves(path, (*it)[1]);
    }
  }
}

}  // namespace
}  // namespace quillon
