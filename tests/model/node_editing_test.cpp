#include <gtest/gtest.h>

#include "model/image_editing.hpp"
#include "model/node_editing.hpp"
#include "node_shape.hpp"
#include "scripted_ui.hpp"

namespace quillon {
namespace {

using testing::nodeNamed;
using testing::shape;

constexpr int kClosed = 0, kOpen = 1, kLeaf = 2;

// A tree menu with the default images chosen, the current tree built from the
// picture and the named node selected ("" leaves the tree without selection).
MenuModel menuWith(const std::string& picture, const std::string& selected) {
  MenuModel menu;
  resetToNewMenu(menu, akTabTree);
  menu.Settings.DefFolderClosed = kClosed;
  menu.Settings.DefFolderOpen = kOpen;
  menu.Settings.DefLeaf = kLeaf;
  NodeTree& tree = menu.CurrentTab()->Nodes;
  tree.clear();
  testing::build(tree, picture);
  tree.select(selected.empty() ? nullptr : &nodeNamed(tree, selected));
  return menu;
}

const NodeTree& tree(MenuModel& menu) { return menu.CurrentTab()->Nodes; }

TEST(NodeEditing, AddNodePlacesTheNewNodeByTheAnswer) {
  struct Case {
    std::string picture, selected;
    InsertPosition answer;
    std::string after;
    int questions;
  };
  const Case cases[] = {
      {"a b c", "a", InsertPosition::Below, "a b c New Node*", 1},
      {"a b c", "b", InsertPosition::Above, "a New Node* b c", 1},
      {"a(x y) b", "x", InsertPosition::Below, "a(x y New Node*) b", 1},
      {"a(x y) b", "y", InsertPosition::Above, "a(x New Node* y) b", 1},
      {"a b", "a", InsertPosition::Cancel, "a* b", 1},
      {"", "", InsertPosition::Above, "New Node*", 0},
  };
  for (const Case& c : cases) {
    MenuModel menu = menuWith(c.picture, c.selected);
    testing::ScriptedUi ui;
    ui.insertPositions = {c.answer};
    TreeNode* added = addNode(menu, ui);
    EXPECT_EQ(shape(tree(menu)), c.after);
    EXPECT_EQ(ui.insertPositionQuestions, c.questions) << c.after;
    if (added != nullptr) {
      EXPECT_EQ(added->Data, (TAppletNode{.CollapsedImage = kLeaf}));
    }
  }
}

TEST(NodeEditing, AddChildTurnsPlainLeavesIntoFolders) {
  struct Case {
    int collapsed, expanded;
    int collapsedAfter, expandedAfter;
  };
  const Case cases[] = {{-1, -1, kClosed, kOpen}, {kLeaf, -1, kClosed, kOpen}, {5, 6, 5, 6}, {5, -1, 5, -1}};
  for (const Case& c : cases) {
    MenuModel menu = menuWith("a b", "a");
    TreeNode& a = nodeNamed(menu.CurrentTab()->Nodes, "a");
    a.Data.CollapsedImage = c.collapsed;
    a.Data.ExpandedImage = c.expanded;
    testing::ScriptedUi ui;
    ASSERT_NE(addChildNode(menu, ui), nullptr);
    EXPECT_EQ(shape(tree(menu)), "a(New Node*) b");
    EXPECT_EQ(a.Data.CollapsedImage, c.collapsedAfter);
    EXPECT_EQ(a.Data.ExpandedImage, c.expandedAfter);
  }
  MenuModel empty = menuWith("", "");
  testing::ScriptedUi ui;
  addChildNode(empty, ui);
  EXPECT_EQ(shape(tree(empty)), "New Node*");
}

TEST(NodeEditing, AddingWaitsForTheDefaultImages) {
  struct Case {
    bool proxy, icons;
    bool refused;
  };
  for (const Case& c : {Case{false, true, true}, Case{true, true, false}, Case{false, false, false}}) {
    MenuModel menu = menuWith("a", "a");
    menu.Settings.DefFolderOpen = -1;
    menu.Settings.ProxyEnhanced = c.proxy;
    menu.Settings.UseIcons = c.icons;
    testing::ScriptedUi ui;
    ui.insertPositions = {InsertPosition::Below};
    EXPECT_EQ(addNode(menu, ui) == nullptr, c.refused);
    EXPECT_EQ(addChildNode(menu, ui) == nullptr, c.refused);
    EXPECT_EQ(ui.insertPositionQuestions, c.refused ? 0 : 1);
    std::vector<std::string> expected;
    if (c.refused) expected.assign(2, kDefaultImagesMissingText);
    EXPECT_EQ(ui.messageTexts(), expected);
  }
}

TEST(NodeEditing, DeleteAsksForFoldersRefusesTheOnlyNodeAndSelectsANeighbour) {
  const std::string question = "Do you want to delete this node and all it's children?";
  struct Case {
    std::string picture, selected;
    std::vector<Answer> answers;
    std::string after;
    std::vector<std::string> texts;
  };
  const Case cases[] = {
      {"a b c", "b", {}, "a* c", {}},
      {"a b c", "a", {}, "b* c", {}},
      {"a(x y) b", "x", {}, "a*(y) b", {}},
      {"a(x y) b", "y", {}, "a(x*) b", {}},
      {"a(x y) b", "a", {Answer::Ok}, "b*", {question}},
      {"a(x y) b", "a", {Answer::Cancel}, "a*(x y) b", {question}},
      {"a(x)", "x", {}, "a*", {}},
      {"a", "a", {}, "a*", {"Cannot Delete Root Node"}},
  };
  for (const Case& c : cases) {
    MenuModel menu = menuWith(c.picture, c.selected);
    testing::ScriptedUi ui;
    ui.answers.assign(c.answers.begin(), c.answers.end());
    deleteNode(menu, ui);
    EXPECT_EQ(shape(tree(menu)), c.after) << c.picture << " - " << c.selected;
    EXPECT_EQ(ui.messageTexts(), c.texts);
  }
}

TEST(NodeEditing, FieldsGoToTheSelectedNodeAndBack) {
  MenuModel menu = menuWith("a(x) b", "a");
  const NodeFields fields{"Home", "status", "index.htm", "_top", "side.htm", "left", true};
  ASSERT_TRUE(editSelectedNode(menu, fields));
  TreeNode& home = nodeNamed(menu.CurrentTab()->Nodes, "Home");
  home.Data.CollapsedImage = kClosed;
  home.Data.ExpandedImage = 9;  // not in the image list
  std::optional<NodeEditorView> view = nodeEditorView(menu);
  ASSERT_TRUE(view);
  EXPECT_EQ(view->fields, fields);
  EXPECT_EQ(view->collapsedLabel, "Collapsed");
  EXPECT_TRUE(view->folderControlsEnabled);
  EXPECT_EQ(view->collapsedPreview, -1);  // the list is empty
  EXPECT_EQ(view->expandedPreview, -1);

  menu.CurrentTab()->Nodes.select(&nodeNamed(menu.CurrentTab()->Nodes, "b"));
  view = nodeEditorView(menu);
  EXPECT_EQ(view->collapsedLabel, "Leaf");
  EXPECT_FALSE(view->folderControlsEnabled);
  menu.Settings.Kind = akTab;
  EXPECT_FALSE(nodeEditorView(menu));
}

}  // namespace
}  // namespace quillon
