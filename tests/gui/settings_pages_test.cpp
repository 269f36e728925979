// The page control as a whole: which pages a kind shows, and filling from the model.
#include "settings_pages_fixture.hpp"

#include <QComboBox>
#include <QLineEdit>


namespace quillon::gui {
namespace {

struct KindCase {
  TAppletKind kind;
  bool tabPages;
  bool treePages;
};

TEST_F(SettingsPagesTest, EachKindShowsItsPagesAndDisablesTheOthers) {
  for (const KindCase& c : {KindCase{akTab, true, false}, KindCase{akTree, false, true}, KindCase{akTabTree, true, true}}) {
    open(c.kind);
    SCOPED_TRACE(static_cast<int>(c.kind));
    EXPECT_TRUE(pages->isTabVisible(0));
    EXPECT_EQ(pages->isTabVisible(1), c.tabPages);
    EXPECT_EQ(pages->isTabVisible(2), c.tabPages);
    EXPECT_EQ(pages->isTabVisible(3), c.treePages);
    EXPECT_EQ(pages->isTabVisible(4), c.treePages);
    EXPECT_EQ(find<QLineEdit>("tabCaptionBox")->isEnabled(), c.tabPages);
    EXPECT_EQ(find<QLineEdit>("nodeTextBox")->isEnabled(), c.treePages);
  }
}

TEST_F(SettingsPagesTest, PagesInTheOrderOfTheWindowState) {
  open(akTabTree);
  const char* captions[] = {"Applet", "Tab", "Tab Style", "Tree", "Tree Style"};
  ASSERT_EQ(pages->count(), 5);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(pages->tabText(i), captions[i]);
  pages->setActivePage(SettingsPage::Tree);
  EXPECT_EQ(pages->currentIndex(), 3);
  EXPECT_EQ(pages->width(), SettingsPages::kDesignWidth);
}

// Filling the node editors for another node must not write the first node's
// values into it half way, nor report an edit.
TEST_F(SettingsPagesTest, RefreshShowsTheModelWithoutWritingBack) {
  open(akTabTree);
  NodeTree& tree = menu().tab(0).Nodes;
  TreeNode& first = *tree.root().children()[0];
  first.Data.URL1 = "first.htm";
  TreeNode& second = tree.root().appendChild("Second", TAppletNode{"status", "second.htm", "_top", "", "", -1, -1, false});
  pages->refreshFromModel();
  tree.select(&second);
  pages->refreshFromModel();

  EXPECT_EQ(find<QLineEdit>("nodeTextBox")->text(), "Second");
  EXPECT_EQ(find<QLineEdit>("nodeLink1Box")->text(), "second.htm");
  EXPECT_EQ(second.Data, (TAppletNode{"status", "second.htm", "_top", "", "", -1, -1, false}));
  EXPECT_EQ(first.Data.URL1, "first.htm");
  EXPECT_EQ(first.Text, kNewNodeText);
  EXPECT_EQ(menuChanges, 0);
}

TEST_F(SettingsPagesTest, AFaceNotOfferedIsAddedAtTheTopAndShown) {
  open(akTab);
  settings().TabFontName = "No Such Face 9";
  pages->refreshFromModel();
  auto* fonts = find<QComboBox>("tabFontList");
  EXPECT_EQ(fonts->itemText(0), "No Such Face 9");
  EXPECT_EQ(fonts->currentIndex(), 0);
  settings().TabFontName = "Other Face";
  pages->refreshFromModel();
  EXPECT_EQ(fonts->itemText(1), "No Such Face 9");
  fonts->setCurrentIndex(1);
  EXPECT_EQ(settings().TabFontName, "No Such Face 9");
}

}  // namespace
}  // namespace quillon::gui
