#include "indexer/tree_nodes.hpp"

#include "format/text_helpers.hpp"
#include "indexer/page_text.hpp"
#include "indexer/url_rules.hpp"

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

std::string siteStatusText(const SiteNodeSettings& settings, const std::string& rawLink, const std::string& linkName,
                           const std::string& title, const std::string& link, bool page) {
  if (settings.StatusBar == kURL) return link;
  if (!page) return afterLastBackslashOrColon(rawLink);
  return settings.StatusBar == kHTMLFileTitle ? title : linkName;
}

std::string siteNodeText(const SiteNodeSettings& settings, const std::string& linkName, const std::string& title,
                         const std::string& address, const std::string& link, bool page) {
  std::string text = linkName;
  if (settings.NodeText == kURL) {
    text = link;
  } else if (page && settings.NodeText == kHTMLFileTitle) {
    // A width that is no number leaves the link's name.
    if (const std::optional<long long> width = parseWholeNumber(settings.MaxWidth)) {
      text = leadingCharacters(title, *width);
    }
  }
  return text.empty() ? address : text;
}

std::string withoutLeadingSlashes(const std::string& text) {
  return text.starts_with("//") ? midStr(text, 3, 1000) : text;
}

}  // namespace quillon
