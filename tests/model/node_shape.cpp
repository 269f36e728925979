#include "node_shape.hpp"

#include <stdexcept>

namespace quillon::testing {

namespace {

void describe(const TreeNode& parent, const TreeNode* selected, std::string& out) {
  for (const auto& child : parent.children()) {
    if (&child != &parent.children().front()) out += ' ';
    out += child->Text;
    if (child.get() == selected) out += '*';
    if (child->hasChildren()) {
      out += '(';
      describe(*child, selected, out);
      out += ')';
    }
  }
}

}  // namespace

std::string shape(const NodeTree& tree) {
  std::string out;
  describe(tree.root(), tree.selected(), out);
  return out;
}

void build(NodeTree& tree, const std::string& picture) {
  TreeNode* parent = &tree.root();
  TreeNode* last = nullptr;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) last = &parent->appendChild(word);
    word.clear();
  };
  for (char c : picture) {
    if (c == '(') {
      flush();
      parent = last;
    } else if (c == ')') {
      flush();
      last = parent;
      parent = parent->parent();
    } else if (c == ' ') {
      flush();
    } else {
      word += c;
    }
  }
  flush();
  tree.selectFirst();
}

TreeNode& nodeNamed(NodeTree& tree, const std::string& text) {
  TreeNode* found = nullptr;
  tree.forEachInPageOrder([&](TreeNode& node, int) {
    if (found == nullptr && node.Text == text) found = &node;
  });
  if (found == nullptr) throw std::invalid_argument("no node " + text);
  return *found;
}

}  // namespace quillon::testing
