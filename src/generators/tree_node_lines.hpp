#pragma once
// The script lines that create the tree view's node objects: children before
// their parents, each parent listing its children in menu order, and the
// root object last.
#include <string>
#include <vector>

namespace quillon {

struct TreeScriptNode {
  std::string id;       // the script variable, also the object's identifier
  std::string url;      // script-string bodies, escaped already
  std::string caption;
  std::string status;
  int level = 0;        // 0 for top-level entries
};

struct TreeScriptRoot {
  std::string caption;  // script-string bodies, escaped already
  std::string status;
  // The root lists only the first node (a one-tab Tab&Tree menu).
  bool firstNodeOnly = false;
};

std::vector<std::string> treeNodeLines(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root);

}  // namespace quillon
