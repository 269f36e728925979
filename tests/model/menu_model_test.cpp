#include <gtest/gtest.h>

#include "model/menu_model.hpp"
#include "temp_dir.hpp"
#include "test_images.hpp"

namespace quillon {
namespace {

TEST(MenuModel, ANewMenuHoldsOneTabWithOneNode) {
  MenuModel menu;
  resetToNewMenu(menu, akTabTree);
  ASSERT_EQ(menu.tabCount(), 1);
  EXPECT_EQ(menu.tab(0).Caption, "New Tab");
  EXPECT_EQ(menu.tab(0).TabPage.OnDemand, "NO");
  ASSERT_EQ(menu.tab(0).Nodes.size(), 1u);
  EXPECT_EQ(menu.tab(0).Nodes.root().children()[0]->Text, "New Node");
  EXPECT_EQ(menu.tab(0).Nodes.root().children()[0]->Data, TAppletNode{});
  EXPECT_EQ(menu.CurrentTab(), &menu.tab(0));
  const TAppletSettings& s = menu.Settings;
  EXPECT_EQ(s.DefaultTab, -1);
  EXPECT_EQ(s.Width + "x" + s.Height, "220x320");
  EXPECT_EQ(s.TabFontName + s.TabFontSize + s.TreeFontName + s.TreeFontSize, "Arial12Arial12");
  const std::string style{s.ToggleSymbol, s.LeafSymbol ? 'A' : 'X', s.LineStyle, s.UseIcons ? 'A' : 'X'};
  EXPECT_EQ(style, "AXAA");
}

TEST(MenuModel, ResetsTouchOnlyTheirOwnGroup) {
  TAppletSettings s;
  s.Width = "500";
  s.TabOnBottom = true;
  s.TreeBackColor = 0x123456;
  s.DefLeaf = 3;
  s.Codebase = "java/";
  s.ClickSound = "/s/click.au";
  TAppletSettings tree = s;
  tree.ResetTreeStyle();
  EXPECT_EQ(tree.TreeBackColor, kWhite);
  EXPECT_EQ(tree.DefLeaf, -1);
  EXPECT_TRUE(tree.TabOnBottom);
  TAppletSettings tab = s;
  tab.ResetTabStyle();
  EXPECT_FALSE(tab.TabOnBottom);
  EXPECT_EQ(tab.TreeBackColor, 0x123456u);
  TAppletSettings general = s;
  general.ResetGeneral();
  EXPECT_EQ(general.Width, "220");
  EXPECT_TRUE(general.ClickSound.empty());
  EXPECT_EQ(general.Codebase, "java/");
  general.ResetLocations();
  EXPECT_TRUE(general.Codebase.empty());
}

TEST(NodeTree, PageOrderIsDepthFirstWithLevels) {
  NodeTree tree;
  TreeNode& a = tree.root().appendChild("a");
  a.appendChild("a1").appendChild("a1x");
  a.appendChild("a2");
  tree.root().appendChild("b");
  std::string order;
  tree.forEachInPageOrder([&order](const TreeNode& node, int level) {
    order += node.Text + ":" + std::to_string(level) + "=" + std::to_string(node.level()) + " ";
  });
  EXPECT_EQ(order, "a:0=0 a1:1=1 a1x:2=2 a2:1=1 b:0=0 ");
  auto copy = a.clone();
  EXPECT_EQ(copy->children()[0]->children()[0]->Text, "a1x");
  EXPECT_EQ(copy->parent(), nullptr);
  EXPECT_EQ(tree.size(), 5u);
}

TEST(ImageList, ListsEachIconOnceAndRefusesOtherSizes) {
  testing::TempDir temp;
  testing::writeGif(temp.file("a.gif"), 16, 16);
  testing::writeJpeg(temp.file("b.jpg"), 16, 16);
  testing::writeGif(temp.file("wide.gif"), 17, 16);
  ImageList images;
  EXPECT_EQ(images.AddImage(temp.file("a.gif")), 0);
  EXPECT_EQ(images.AddImage(temp.file("b.jpg")), 1);
  EXPECT_EQ(images.AddImage(temp.file("a.gif")), 0);
  EXPECT_EQ(images.AddImage(temp.file("wide.gif")), -1);
  EXPECT_EQ(images.AddImage(temp.file("missing.gif")), -1);
  EXPECT_EQ(images.count(), 2);
  EXPECT_EQ(images.bitmap(1).width, 16);
}

}  // namespace
}  // namespace quillon
