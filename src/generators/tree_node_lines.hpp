#pragma once
// The script lines that create the tree view's node objects: children before
// their parents, each parent listing its children in menu order, and the
// root object last.
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// Views of texts the caller keeps while the lines are made.
struct TreeScriptNode {
  std::string_view id;  // the script variable, also the object's identifier
  std::string_view url;  // script-string bodies, escaped already
  std::string_view caption;
  std::string_view status;
  int level = 0;  // 0 for top-level entries
};

struct TreeScriptRoot {
  std::string_view caption;  // script-string bodies, escaped already
  std::string_view status;
  // The root lists only the first node (a one-tab Tab&Tree menu).
  bool firstNodeOnly = false;
};

// The lines as one text, CR LF between them (none after the last); empty
// for no nodes. One buffer, as the lines of a large menu are many.
std::string treeNodeText(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root);
// The same, appended to out, which the caller sizes with treeNodeTextBound
// so that the page around the lines can share the buffer.
void appendTreeNodeText(std::string& out, const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root);
// The room the lines take, for sizing that buffer up front.
std::size_t treeNodeTextBound(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root);

}  // namespace quillon
