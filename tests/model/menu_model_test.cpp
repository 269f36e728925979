#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/menu_model.hpp"
#include "model/menu_snapshot.hpp"
#include "node_shape.hpp"
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

TEST(MenuSnapshot, EveryEditOfANodeCountsAndEditingItBackDoesNot) {
  MenuModel menu;
  resetToNewMenu(menu, akTabTree);
  TreeNode& a = *menu.tab(0).Nodes.root().children()[0];
  TreeNode& b = a.appendChild("b");
  a.appendChild("c");
  menu.AddTab("Second");
  struct Case {
    const char* what;
    std::function<void()> edit;
    std::function<void()> undo;
  };
  const auto field = [&b](std::string TAppletNode::*member) {
    return Case{"a field", [&b, member] { b.Data.*member += "x"; }, [&b, member] { (b.Data.*member).pop_back(); }};
  };
  const Case cases[] = {
      {"text", [&] { b.Text = "B"; }, [&] { b.Text = "b"; }},
      field(&TAppletNode::StatusText), field(&TAppletNode::URL1), field(&TAppletNode::Target1),
      field(&TAppletNode::URL2), field(&TAppletNode::Target2),
      {"collapsed image", [&] { b.Data.CollapsedImage = 0; }, [&] { b.Data.CollapsedImage = -1; }},
      {"expanded image", [&] { b.Data.ExpandedImage = 0; }, [&] { b.Data.ExpandedImage = -1; }},
      {"open expanded", [&] { b.Data.OpenExpanded = true; }, [&] { b.Data.OpenExpanded = false; }},
      // The same texts in another shape or order.
      {"order", [&] { a.insertChild(1, a.detachChild(0)); }, [&] { a.insertChild(1, a.detachChild(0)); }},
      {"level", [&] { b.insertChild(0, a.detachChild(1)); }, [&] { a.insertChild(1, b.detachChild(0)); }},
      {"to another tab", [&] { menu.tab(1).Nodes.root().insertChild(1, a.detachChild(1)); },
       [&] { a.insertChild(1, menu.tab(1).Nodes.root().detachChild(1)); }},
      {"added", [&] { a.appendChild("d"); }, [&] { a.detachChild(2); }},
      {"caption", [&] { menu.tab(1).Caption = "2"; }, [&] { menu.tab(1).Caption = "Second"; }},
  };
  const MenuSnapshot saved(menu);
  for (const Case& c : cases) {
    c.edit();
    EXPECT_FALSE(MenuSnapshot(menu) == saved) << c.what;
    c.undo();
    EXPECT_TRUE(MenuSnapshot(menu) == saved) << c.what;
  }
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

TEST(PageOrderBuilder, BuildsByDepthAfterTheChildrenThereAndSizesEachListExactly) {
  struct Case {
    std::string before;  // the parent's children when building starts
    std::vector<std::pair<std::size_t, std::string>> nodes;  // depth below the parent, text
    std::string after;
  };
  const Case cases[] = {
      {"", {{0, "a"}, {1, "a1"}, {2, "a1x"}, {1, "a2"}, {0, "b"}}, "a(a1(a1x) a2) b"},
      {"x(y)", {{0, "a"}, {1, "a1"}, {0, "b"}, {0, "c"}}, "x(y) a(a1) b c"},
      {"", {{0, "a"}, {1, "b"}, {2, "c"}, {3, "d"}, {1, "e"}}, "a(b(c(d)) e)"},
  };
  for (const Case& c : cases) {
    NodeTree tree;
    testing::build(tree, c.before);
    PageOrderBuilder builder(tree.root());
    for (const auto& [depth, text] : c.nodes) builder.add(depth).Text = text;
    builder.finish();
    tree.select(nullptr);
    EXPECT_EQ(testing::shape(tree), c.after);
    tree.forEachInPageOrder([&](const TreeNode& node, int level) {
      EXPECT_EQ(node.level(), level) << node.Text;
      EXPECT_EQ(node.children().capacity(), node.children().size()) << c.after << " at " << node.Text;
    });
  }
  NodeTree tree;
  PageOrderBuilder builder(tree.root());
  builder.add(0);
  EXPECT_THROW(builder.add(2), std::invalid_argument);
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
