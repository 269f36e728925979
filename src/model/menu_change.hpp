#pragma once
// What one edit changed in the menu, so that a view of it can follow just
// that instead of reading the whole menu again.
#include <vector>

#include "model/node_tree.hpp"

namespace quillon {

struct MenuChange {
  // Nodes whose text or fields changed.
  std::vector<const TreeNode*> nodes;
  // Nodes whose children were added, removed or reordered (a tree's root for
  // its top level); their own fields may have changed too.
  std::vector<const TreeNode*> parents;
  // The tab list, its order, a caption or where the tabs stand.
  bool tabs = false;
  // Anything may have changed: the views draw everything again.
  bool everything = false;

  static MenuChange ofNode(const TreeNode& node) { return {{&node}, {}, false, false}; }
  static MenuChange ofChildren(const TreeNode& parent) { return {{}, {&parent}, false, false}; }
  static MenuChange ofTabs() { return {{}, {}, true, false}; }
  static MenuChange ofEverything() { return {{}, {}, false, true}; }
};

}  // namespace quillon
