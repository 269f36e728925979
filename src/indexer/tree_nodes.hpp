#pragma once
// How the indexer adds its nodes to the current tree.
#include <string>

#include "indexer/indexer_settings.hpp"
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

// The texts of a web or site node by the "Default settings": `linkName` is the
// file part of its link as written, `link` the node's link, `page` whether it
// was read (or is named) as a page.
std::string siteStatusText(const SiteNodeSettings& settings, const std::string& rawLink, const std::string& linkName,
                           const std::string& title, const std::string& link, bool page);
std::string siteNodeText(const SiteNodeSettings& settings, const std::string& linkName, const std::string& title,
                         const std::string& address, const std::string& link, bool page);

// A caption or status text written as "//..." loses the two slashes (and is
// kept to its first 1000 characters then).
std::string withoutLeadingSlashes(const std::string& text);

}  // namespace quillon
