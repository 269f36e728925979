#include <gtest/gtest.h>

#include "model/tab_editing.hpp"
#include "scripted_ui.hpp"

namespace quillon {
namespace {

// A menu of the kind with tabs captioned "A", "B", ... and the current tab.
MenuModel menuWithTabs(TAppletKind kind, int count, int current) {
  MenuModel menu;
  resetToNewMenu(menu, kind);
  menu.tab(0).Caption = "A";
  for (int i = 1; i < count; ++i) menu.AddTab(std::string(1, static_cast<char>('A' + i)));
  menu.setCurrentTab(current);
  return menu;
}

std::string captions(const MenuModel& menu) {
  std::string text;
  for (int i = 0; i < menu.tabCount(); ++i) text += menu.tab(i).Caption;
  return text;
}

TEST(TabEditing, CopyIsDeepAndBecomesCurrent) {
  MenuModel menu = menuWithTabs(akTabTree, 2, 0);
  TreeNode& first = *menu.tab(0).Nodes.root().children()[0];
  first.appendChild("child", TAppletNode{.URL1 = "a.htm"});
  menu.tab(0).TabPage.URL1 = "tab.htm";
  menu.tab(0).Nodes.select(first.children()[0].get());

  TAppletPage* copy = copyTab(menu);
  ASSERT_EQ(copy, &menu.tab(2));
  EXPECT_EQ(menu.currentTabIndex(), 2);
  EXPECT_EQ(copy->Caption, "A");
  EXPECT_EQ(copy->TabPage.URL1, "tab.htm");
  ASSERT_EQ(copy->Nodes.size(), 2u);
  EXPECT_EQ(copy->Nodes.selected(), copy->Nodes.root().children()[0].get());
  copy->Nodes.root().children()[0]->children()[0]->Data.URL1 = "changed.htm";
  EXPECT_EQ(first.children()[0]->Data.URL1, "a.htm");
}

TEST(TabEditing, DeleteRefusesTheLastTabAndAsksOnlyForTabbedTrees) {
  struct Case {
    TAppletKind kind;
    int tabs;
    int current;
    std::vector<Answer> answers;
    bool deleted;
    std::string left;
    int newCurrent;
    std::vector<std::string> texts;
  };
  const std::string question = "This will delete the entire tab including all tree nodes.";
  const Case cases[] = {
      {akTabTree, 1, 0, {}, false, "A", 0, {"Cannot delete last tab"}},
      {akTab, 1, 0, {}, false, "A", 0, {"Cannot delete last tab"}},
      {akTabTree, 3, 0, {Answer::Ok}, true, "BC", 0, {question}},
      {akTabTree, 3, 2, {Answer::Ok}, true, "AB", 1, {question}},
      {akTabTree, 3, 1, {Answer::Cancel}, false, "ABC", 1, {question}},
      {akTab, 3, 1, {}, true, "AC", 0, {}},
  };
  for (const Case& c : cases) {
    MenuModel menu = menuWithTabs(c.kind, c.tabs, c.current);
    testing::ScriptedUi ui;
    ui.answers.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(deleteTab(menu, ui), c.deleted);
    EXPECT_EQ(captions(menu), c.left);
    EXPECT_EQ(menu.currentTabIndex(), c.newCurrent);
    EXPECT_EQ(ui.messageTexts(), c.texts);
  }
}

TEST(TabEditing, StartupChoiceSurvivesRebuildsWhileInTheList) {
  EXPECT_EQ(startupTabAfterRebuild(-1, 3), -1);
  EXPECT_EQ(startupTabAfterRebuild(1, 3), 1);
  EXPECT_EQ(startupTabAfterRebuild(3, 3), 2);

  MenuModel menu = menuWithTabs(akTabTree, 3, 2);
  chooseStartupTab(menu, 2);
  testing::ScriptedUi ui;
  ui.answers = {Answer::Ok};
  deleteTab(menu, ui);
  EXPECT_EQ(menu.Settings.DefaultTab, 1);
  addTab(menu);
  renameTab(menu, "Z");
  StartupTabList list = rebuildStartupTabList(menu);
  EXPECT_EQ(list.captions, (std::vector<std::string>{"A", "B", "Z"}));
  EXPECT_EQ(list.selected, 1);
  chooseStartupTab(menu, 7);
  EXPECT_EQ(menu.Settings.DefaultTab, 1);
}

TEST(TabEditing, MoveKeepsTheCurrentAndTheStartupTab) {
  struct Case {
    int from, to, startup;
    std::string order;
    int current, newStartup;
  };
  const Case cases[] = {
      {0, 2, 0, "BCAD", 2, 2}, {0, 2, 1, "BCAD", 2, 0}, {3, 1, 1, "ADBC", 1, 2},
      {1, 9, 3, "ACDB", 3, 2}, {2, -4, -1, "CABD", 0, -1},
  };
  for (const Case& c : cases) {
    MenuModel menu = menuWithTabs(akTabTree, 4, c.from);
    chooseStartupTab(menu, c.startup);
    moveTab(menu, c.to);
    EXPECT_EQ(captions(menu), c.order);
    EXPECT_EQ(menu.currentTabIndex(), c.current);
    EXPECT_EQ(menu.Settings.DefaultTab, c.newStartup) << c.from << "->" << c.to;
  }
}

TEST(TabEditing, LinkEditsKeepTheOnDemandValueRead) {
  MenuModel menu = menuWithTabs(akTab, 1, 0);
  menu.tab(0).TabPage.OnDemand = "YES";
  editTabLinks(menu, {"status", "u1", "t1", "u2", "t2"});
  const TTabPage expected{"status", "u1", "t1", "u2", "t2", "YES"};
  EXPECT_EQ(menu.tab(0).TabPage, expected);
}

}  // namespace
}  // namespace quillon
