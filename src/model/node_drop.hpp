#pragma once
// Dropping a dragged node onto a node, in the same tree or in another tab's tree.
#include "model/node_tree.hpp"

namespace quillon {

// The choices of the drop menu, in the order it offers them.
enum class DropChoice { MoveAsChild, MoveOnSameLevel, CopyAsChild, CopyOnSameLevel };

// As child: the node becomes the target's last child. On the same level: it is
// inserted directly before the target. A move takes the whole subtree along; a
// copy takes the text and the node's fields only. The moved node or the copy
// becomes the target tree's selection, and a source tree that loses its
// selected node selects a neighbour. Returns the placed node, or nullptr when
// nothing changed: a move onto the dragged node itself or into its own
// subtree, or nodes that do not belong to the trees named.
TreeNode* dropNode(NodeTree& sourceTree, TreeNode& dragged, NodeTree& targetTree, TreeNode& target,
                   DropChoice choice);

}  // namespace quillon
