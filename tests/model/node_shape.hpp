#pragma once
// Compact text pictures of node trees for the editing tests.
#include <string>

#include "model/node_tree.hpp"

namespace quillon::testing {

// "a(a1 a2) b": texts in page order, children in brackets, "*" after the selected node.
std::string shape(const NodeTree& tree);

// Adds top-level nodes from the same picture (without "*") and selects the first.
void build(NodeTree& tree, const std::string& picture);

// The first node with the text, in page order.
TreeNode& nodeNamed(NodeTree& tree, const std::string& text);

}  // namespace quillon::testing
