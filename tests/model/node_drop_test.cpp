#include <gtest/gtest.h>

#include "model/node_drop.hpp"
#include "node_shape.hpp"

namespace quillon {
namespace {

using testing::nodeNamed;
using testing::shape;

struct DropCase {
  std::string dragged, target;
  DropChoice choice;
  std::string after;
};

TEST(NodeDrop, WithinOneTree) {
  const std::string picture = "a(x(x1) y) b";
  const DropCase cases[] = {
      {"x", "b", DropChoice::MoveAsChild, "a(y) b(x*(x1))"},
      {"x", "b", DropChoice::MoveOnSameLevel, "a(y) x*(x1) b"},
      {"x", "b", DropChoice::CopyAsChild, "a(x(x1) y) b(x*)"},
      {"x", "b", DropChoice::CopyOnSameLevel, "a(x(x1) y) x* b"},
      {"b", "a", DropChoice::MoveOnSameLevel, "b* a(x(x1) y)"},
      {"x", "a", DropChoice::MoveAsChild, "a(y x*(x1)) b"},
      // A move onto itself or into its own subtree changes nothing.
      {"x", "x", DropChoice::MoveAsChild, "a(x*(x1) y) b"},
      {"x", "x", DropChoice::MoveOnSameLevel, "a(x*(x1) y) b"},
      {"a", "x1", DropChoice::MoveAsChild, "a*(x(x1) y) b"},
      {"a", "x1", DropChoice::MoveOnSameLevel, "a*(x(x1) y) b"},
      // A copy is a new node with no children: it may go anywhere.
      {"x", "x", DropChoice::CopyAsChild, "a(x(x1 x*) y) b"},
      {"x", "x1", DropChoice::CopyOnSameLevel, "a(x(x* x1) y) b"},
  };
  for (const DropCase& c : cases) {
    NodeTree tree;
    testing::build(tree, picture);
    TreeNode& dragged = nodeNamed(tree, c.dragged);
    tree.select(&dragged);
    const std::string before = shape(tree);
    TreeNode* placed = dropNode(tree, dragged, tree, nodeNamed(tree, c.target), c.choice);
    EXPECT_EQ(shape(tree), c.after) << c.dragged << " onto " << c.target;
    EXPECT_EQ(placed != nullptr, c.after != before) << c.dragged << " onto " << c.target;
  }
}

TEST(NodeDrop, CopiesTakeTheNodeFieldsOnly) {
  NodeTree tree;
  testing::build(tree, "a(a1) b");
  TreeNode& a = nodeNamed(tree, "a");
  a.Data = TAppletNode{.URL1 = "a.htm", .CollapsedImage = 3, .ExpandedImage = 4, .OpenExpanded = true};
  TreeNode* copy = dropNode(tree, a, tree, nodeNamed(tree, "b"), DropChoice::CopyAsChild);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->Data, a.Data);
  copy->Data.URL1 = "changed.htm";
  EXPECT_EQ(a.Data.URL1, "a.htm");
}

TEST(NodeDrop, AcrossTabsTheSourceKeepsAValidSelection) {
  const DropCase cases[] = {
      {"q", "a", DropChoice::MoveAsChild, "p* r|a(q*) b"},
      {"p", "b", DropChoice::MoveOnSameLevel, "q* r|a p* b"},
      {"r", "a", DropChoice::CopyOnSameLevel, "p q r*|r* a b"},
  };
  for (const DropCase& c : cases) {
    NodeTree source, target;
    testing::build(source, "p q r");
    testing::build(target, "a b");
    TreeNode& dragged = nodeNamed(source, c.dragged);
    source.select(&dragged);
    ASSERT_NE(dropNode(source, dragged, target, nodeNamed(target, c.target), c.choice), nullptr);
    EXPECT_EQ(shape(source) + "|" + shape(target), c.after);
  }

  // The only node may leave its tree, which then has nothing to select.
  NodeTree single, other;
  testing::build(single, "s");
  testing::build(other, "o");
  dropNode(single, nodeNamed(single, "s"), other, nodeNamed(other, "o"), DropChoice::MoveAsChild);
  EXPECT_EQ(shape(single) + "|" + shape(other), "|o(s*)");

  // A node named with the wrong tree is refused.
  EXPECT_EQ(dropNode(other, nodeNamed(other, "o"), single, nodeNamed(other, "s"), DropChoice::MoveAsChild),
            nullptr);
}

}  // namespace
}  // namespace quillon
