#pragma once
// How the indexer adds its nodes to the current tree.
#include <string>

#include "model/applet_settings.hpp"
#include "model/node_tree.hpp"

namespace quillon {

struct NewNode {
  std::string text;
  std::string statusText;
  std::string link;  // as written in the page that holds it
  std::string target;
};

// Adds a leaf with the default leaf image. With a parent, it becomes the
// parent's last child and a leaf parent becomes a folder; without one, it
// goes last on the level of the selected node (top level in an empty tree).
// The new node ends selected.
TreeNode& addTreeNode(NodeTree& tree, const TAppletSettings& images, const NewNode& node, TreeNode* parent);

}  // namespace quillon
