// The construction area over a menu: pages, captions and trees that follow
// the model, icons, the selection, and the drop menu's four choices.
#include "gui/construction_area.hpp"
#include "gui/node_tree_view.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTabBar>

namespace quillon::gui {
namespace {

// The view's items as "a(b,c),d".
std::string outline(const QTreeWidgetItem& parent) {
  std::string text;
  for (int i = 0; i < parent.childCount(); ++i) {
    const QTreeWidgetItem& item = *parent.child(i);
    if (i > 0) text += ",";
    text += item.text(0).toStdString();
    if (item.childCount() > 0) text += "(" + outline(item) + ")";
  }
  return text;
}

std::string outline(const NodeTreeView& view) { return outline(*view.invisibleRootItem()); }

TreeNode& child(TreeNode& parent, std::size_t index) { return *parent.children().at(index); }

class ConstructionAreaTest : public ::testing::Test {
 protected:
  MenuModel menu;
  std::unique_ptr<ConstructionArea> area;

  void SetUp() override { build(); }

  // Two tabs: "First" with a(b,c),d and "Second" with x.
  void build() {
    area.reset();
    menu.Clear();
    menu.Settings.Kind = akTabTree;
    TAppletPage& first = menu.AddTab("First");
    first.Nodes.clear();
    TreeNode& a = first.Nodes.root().appendChild("a");
    a.appendChild("b");
    a.appendChild("c");
    first.Nodes.root().appendChild("d");
    first.Nodes.select(&a);
    TAppletPage& second = menu.AddTab("Second");
    second.Nodes.root().children().front()->Text = "x";
    menu.setCurrentTab(0);
    area = std::make_unique<ConstructionArea>(menu);
    area->refreshFromModel();
  }

  TreeNode& root(int tab) { return menu.tab(tab).Nodes.root(); }
  void chooseOnDrop(std::optional<DropChoice> choice) {
    area->setDropChooser([choice](const QPoint&) { return choice; });
  }
};

TEST_F(ConstructionAreaTest, ShowsOnePagePerTabWithItsTreeAndSelection) {
  ASSERT_EQ(area->count(), 2);
  EXPECT_EQ(area->tabText(0).toStdString(), "First");
  EXPECT_EQ(area->tabText(1).toStdString(), "Second");
  EXPECT_EQ(outline(*area->treeView(0)), "a(b,c),d");
  EXPECT_EQ(area->treeView(0)->nodeOf(area->treeView(0)->currentItem()), &child(root(0), 0));
  EXPECT_EQ(area->tabBar()->tabTextColor(0), QColor(128, 0, 0));
}

TEST_F(ConstructionAreaTest, OtherTabsAreDrawnOnlyWhenShown) {
  EXPECT_EQ(area->treeView(1)->topLevelItemCount(), 0);
  area->setCurrentIndex(1);
  EXPECT_EQ(menu.currentTabIndex(), 1);
  EXPECT_EQ(outline(*area->treeView(1)), "x");
}

TEST_F(ConstructionAreaTest, FollowsTabChangesInTheModel) {
  menu.tab(1).Caption = "R&D";
  menu.AddTab("Third");
  std::unique_ptr<TAppletPage> first = menu.removeTab(0);
  menu.setCurrentTab(1);
  area->refreshFromModel();
  ASSERT_EQ(area->count(), 2);
  EXPECT_EQ(area->tabText(0).toStdString(), "R&&D");
  EXPECT_EQ(area->tabText(1).toStdString(), "Third");
  EXPECT_EQ(area->currentIndex(), 1);
}

TEST_F(ConstructionAreaTest, TabsStandWhereTheAppletShowsThem) {
  struct Case {
    TAppletKind kind;
    bool onBottom;
    QTabWidget::TabPosition position;
    bool captions;
    bool trees;
  };
  const Case cases[] = {
      {akTabTree, false, QTabWidget::North, true, true},
      {akTabTree, true, QTabWidget::South, true, true},
      {akTab, false, QTabWidget::North, true, false},
      {akTree, false, QTabWidget::North, false, true},
  };
  for (const Case& c : cases) {
    menu.Settings.Kind = c.kind;
    menu.Settings.TabOnBottom = c.onBottom;
    area->refreshFromModel();
    EXPECT_EQ(area->tabPosition(), c.position) << c.kind;
    EXPECT_EQ(!area->tabBar()->isHidden(), c.captions) << c.kind;
    EXPECT_EQ(!area->treeView(0)->isHidden(), c.trees) << c.kind;
  }
}

TEST_F(ConstructionAreaTest, NodesShowTheirIconAndAFolderItsExpandedIconWhileOpen) {
  testing::TempDir temp;
  for (const char* name : {"closed.gif", "open.gif"}) testing::writeGif(temp.file(name), 16, 16);
  ASSERT_EQ(menu.Images.AddImage(temp.file("closed.gif")), 0);
  ASSERT_EQ(menu.Images.AddImage(temp.file("open.gif")), 1);
  child(root(0), 0).Data.CollapsedImage = 0;
  child(root(0), 0).Data.ExpandedImage = 1;
  area->refreshFromModel();
  NodeTreeView& view = *area->treeView(0);
  QTreeWidgetItem& folder = *view.topLevelItem(0);
  const qint64 closedKey = folder.icon(0).cacheKey();
  EXPECT_FALSE(folder.icon(0).isNull());
  EXPECT_TRUE(view.topLevelItem(1)->icon(0).isNull());
  folder.setExpanded(true);
  EXPECT_NE(folder.icon(0).cacheKey(), closedKey);
  folder.setExpanded(false);
  EXPECT_EQ(folder.icon(0).cacheKey(), closedKey);

  menu.Settings.UseIcons = false;
  area->refreshFromModel();
  EXPECT_TRUE(view.topLevelItem(0)->icon(0).isNull());
}

TEST_F(ConstructionAreaTest, RedrawingKeepsOpenFoldersOpen) {
  NodeTreeView& view = *area->treeView(0);
  view.topLevelItem(0)->setExpanded(true);
  // A node inserted before the folder moves it down a row.
  root(0).insertChild(0, std::make_unique<TreeNode>("new", TAppletNode{}));
  child(child(root(0), 1), 0).Text = "b2";
  area->refreshFromModel();
  EXPECT_EQ(outline(view), "new,a(b2,c),d");
  EXPECT_TRUE(view.topLevelItem(1)->isExpanded());
}

TEST_F(ConstructionAreaTest, SelectingAnItemSelectsItsNode) {
  QSignalSpy selections(area.get(), &ConstructionArea::selectionChanged);
  NodeTreeView& view = *area->treeView(0);
  view.setCurrentItem(view.topLevelItem(1));
  EXPECT_EQ(menu.tab(0).Nodes.selected(), &child(root(0), 1));
  EXPECT_EQ(selections.count(), 1);
}

TEST_F(ConstructionAreaTest, EachDropChoiceReachesTheModelAndTheView) {
  struct Case {
    DropChoice choice;
    const char* after;
  };
  // d dropped onto b.
  const Case cases[] = {
      {DropChoice::MoveAsChild, "a(b(d),c)"},
      {DropChoice::MoveOnSameLevel, "a(d,b,c)"},
      {DropChoice::CopyAsChild, "a(b(d),c),d"},
      {DropChoice::CopyOnSameLevel, "a(d,b,c),d"},
  };
  for (const Case& c : cases) {
    build();
    QSignalSpy changes(area.get(), &ConstructionArea::menuChanged);
    chooseOnDrop(c.choice);
    TreeNode& target = child(child(root(0), 0), 0);
    ASSERT_TRUE(area->dropNode(0, child(root(0), 1), 0, target, QPoint()));
    EXPECT_EQ(outline(*area->treeView(0)), c.after) << static_cast<int>(c.choice);
    EXPECT_EQ(changes.count(), 1);
    // The placed node is the selection, in the model and in the view.
    TreeNode* selected = menu.tab(0).Nodes.selected();
    ASSERT_NE(selected, nullptr);
    EXPECT_EQ(selected->Text, "d");
    EXPECT_EQ(area->treeView(0)->currentItem(), area->treeView(0)->itemOf(selected));
  }
}

TEST_F(ConstructionAreaTest, ADismissedMenuOrAMoveIntoItsOwnBranchChangesNothing) {
  QSignalSpy changes(area.get(), &ConstructionArea::menuChanged);
  chooseOnDrop(std::nullopt);
  EXPECT_FALSE(area->dropNode(0, child(root(0), 1), 0, child(root(0), 0), QPoint()));
  chooseOnDrop(DropChoice::MoveAsChild);
  EXPECT_FALSE(area->dropNode(0, child(root(0), 0), 0, child(child(root(0), 0), 1), QPoint()));
  EXPECT_EQ(outline(*area->treeView(0)), "a(b,c),d");
  EXPECT_EQ(changes.count(), 0);
}

TEST_F(ConstructionAreaTest, ADropOnATreeIsCarriedOutOnceTheDragIsOver) {
  chooseOnDrop(DropChoice::MoveOnSameLevel);
  NodeTreeView* view = area->treeView(0);
  Q_EMIT view->nodeDropped(view, &child(root(0), 1), &child(root(0), 0), QPoint());
  EXPECT_EQ(outline(*view), "a(b,c),d");
  QCoreApplication::processEvents();
  EXPECT_EQ(outline(*view), "d,a(b,c)");

  // A node that left the tree before the drop was carried out is not touched.
  Q_EMIT view->nodeDropped(view, &child(root(0), 0), &child(root(0), 1), QPoint());
  menu.tab(0).Nodes.root().detachChild(0);
  area->refreshFromModel();
  QCoreApplication::processEvents();
  EXPECT_EQ(outline(*view), "a(b,c)");
}

TEST_F(ConstructionAreaTest, ANodeMovedToAnotherTabShowsThere) {
  area->setCurrentIndex(1);
  chooseOnDrop(DropChoice::MoveAsChild);
  ASSERT_TRUE(area->dropNode(0, child(root(0), 0), 1, child(root(1), 0), QPoint()));
  EXPECT_EQ(menu.currentTabIndex(), 1);
  EXPECT_EQ(area->currentIndex(), 1);
  EXPECT_EQ(outline(*area->treeView(1)), "x(a(b,c))");
  area->setCurrentIndex(0);
  EXPECT_EQ(outline(*area->treeView(0)), "d");
}

TEST_F(ConstructionAreaTest, ChangesReachNodesWhoseItemsAreNotMadeYet) {
  // Items stop one level below the shown rows: e under the closed folder a has none.
  TreeNode& e = child(root(0), 0).children().front()->appendChild("e");
  TreeNode& y = child(root(1), 0).appendChild("y");
  TreeNode& z = y.appendChild("z");
  area->refreshFromModel();
  NodeTreeView& first = *area->treeView(0);
  EXPECT_EQ(first.itemOf(&e), nullptr);

  // Edited and moved while unseen, then shown by opening its branch.
  e.Text = "e2";
  TreeNode& a = child(root(0), 0);
  a.children()[1]->insertChild(0, a.children()[0]->detachChild(0));
  area->refreshFromModel();
  first.topLevelItem(0)->setExpanded(true);
  EXPECT_EQ(outline(first), "a(b,c(e2)),d");

  // Selected (as by Find) deep in a tab never shown: the tab opens on it.
  menu.tab(1).Nodes.select(&z);
  menu.setCurrentTab(1);
  area->refreshFromModel();
  NodeTreeView& second = *area->treeView(1);
  ASSERT_NE(second.currentItem(), nullptr);
  EXPECT_EQ(second.nodeOf(second.currentItem()), &z);
  EXPECT_EQ(outline(second), "x(y(z))");
}

}  // namespace
}  // namespace quillon::gui
