#pragma once
// The script lines that create the tree view's node objects: children before
// their parents, each parent listing its children in menu order, and the
// root object last.
#include <functional>
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

// Takes the text made so far and empties it.
using TreeTextDrain = std::function<void(std::string& text)>;

// How much text the lines gather before they are drained: enough that each
// write costs little, little enough to stay in the cache.
constexpr std::size_t kTreeTextPiece = 256 * 1024;

// The lines as one text, CR LF between them (none after the last); empty
// for no nodes.
std::string treeNodeText(const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root);
// The same, appended to out and drained whenever out holds a piece: the
// lines of a large menu are megabytes, never held whole.
void appendTreeNodeText(std::string& out, const std::vector<TreeScriptNode>& nodes, const TreeScriptRoot& root,
                        const TreeTextDrain& drain);

}  // namespace quillon
