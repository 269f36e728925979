#include "indexer/tree_nodes.hpp"

namespace quillon {

TreeNode& addTreeNode(NodeTree& tree, const TAppletSettings& images, const NewNode& node, TreeNode* parent) {
  TAppletNode data;
  data.StatusText = node.statusText;
  data.URL1 = node.link;
  data.Target1 = node.target;
  data.CollapsedImage = images.DefLeaf;
  data.ExpandedImage = -1;
  TreeNode* added = nullptr;
  if (parent != nullptr) {
    tree.select(parent);
    TAppletNode& folder = parent->Data;
    if (folder.CollapsedImage == -1 || folder.CollapsedImage == images.DefLeaf) {
      folder.CollapsedImage = images.DefFolderClosed;
      folder.ExpandedImage = images.DefFolderOpen;
    }
    added = &parent->appendChild(node.text, data);
  } else {
    TreeNode* selected = tree.selected();
    TreeNode& level = selected != nullptr ? *selected->parent() : tree.root();
    added = &level.appendChild(node.text, data);
  }
  tree.select(added);
  return *added;
}

}  // namespace quillon
