#include "model/node_drop.hpp"

#include "model/node_editing.hpp"

namespace quillon {

namespace {

bool isWithin(const TreeNode& node, const TreeNode& ancestor) {
  for (const TreeNode* n = &node; n != nullptr; n = n->parent()) {
    if (n == &ancestor) return true;
  }
  return false;
}

bool belongsTo(const TreeNode& node, const NodeTree& tree) {
  return &node != &tree.root() && isWithin(node, tree.root());
}

TreeNode& place(TreeNode& target, std::unique_ptr<TreeNode> node, bool asChild) {
  if (asChild) return target.insertChild(target.children().size(), std::move(node));
  TreeNode& parent = *target.parent();
  return parent.insertChild(parent.indexOf(target), std::move(node));
}

}  // namespace

TreeNode* dropNode(NodeTree& sourceTree, TreeNode& dragged, NodeTree& targetTree, TreeNode& target,
                   DropChoice choice) {
  if (!belongsTo(dragged, sourceTree) || !belongsTo(target, targetTree)) return nullptr;
  const bool asChild = choice == DropChoice::MoveAsChild || choice == DropChoice::CopyAsChild;
  const bool move = choice == DropChoice::MoveAsChild || choice == DropChoice::MoveOnSameLevel;

  std::unique_ptr<TreeNode> node;
  if (move) {
    if (isWithin(target, dragged)) return nullptr;
    TreeNode* selected = sourceTree.selected();
    if (&sourceTree != &targetTree && selected != nullptr && isWithin(*selected, dragged))
      sourceTree.select(selectionAfterRemoving(dragged));
    TreeNode& parent = *dragged.parent();
    node = parent.detachChild(parent.indexOf(dragged));
  } else {
    node = std::make_unique<TreeNode>(dragged.Text, dragged.Data);
  }
  TreeNode& placed = place(target, std::move(node), asChild);
  targetTree.select(&placed);
  return &placed;
}

}  // namespace quillon
