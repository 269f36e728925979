#pragma once
// A tab's ordered tree of nodes. The page order of nodes is the depth-first
// pre-order; a node's level is its depth below the (invisible) root.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "model/applet_node.hpp"

namespace quillon {

class TreeNode {
 public:
  std::string Text;
  TAppletNode Data;

  TreeNode() = default;
  TreeNode(std::string text, TAppletNode data) : Text(std::move(text)), Data(std::move(data)) {}
  TreeNode(const TreeNode&) = delete;
  TreeNode& operator=(const TreeNode&) = delete;
  ~TreeNode();

  TreeNode* parent() const { return parent_; }
  const std::vector<std::unique_ptr<TreeNode>>& children() const { return children_; }
  bool hasChildren() const { return !children_.empty(); }
  // 0 for a top-level node.
  int level() const;

  TreeNode& appendChild(std::string text, TAppletNode data = {});
  TreeNode& insertChild(std::size_t index, std::unique_ptr<TreeNode> child);
  std::unique_ptr<TreeNode> detachChild(std::size_t index);
  std::size_t indexOf(const TreeNode& child) const;
  // A deep copy of this node and everything below it, without a parent.
  std::unique_ptr<TreeNode> clone() const;

 private:
  TreeNode* parent_ = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children_;
};

class NodeTree {
 public:
  NodeTree() = default;
  NodeTree(const NodeTree&) = delete;
  NodeTree& operator=(const NodeTree&) = delete;

  // The top-level nodes are the children of an invisible root.
  TreeNode& root() { return root_; }
  const TreeNode& root() const { return root_; }
  bool empty() const { return !root_.hasChildren(); }
  void clear();

  // The node the user has selected in this tree; none only while the tree is empty.
  TreeNode* selected() const { return selected_; }
  void select(TreeNode* node) { selected_ = node; }
  // Selects the first top-level node, or none in an empty tree.
  void selectFirst();
  std::size_t size() const;

  // Visits every node in page order with its level.
  void forEachInPageOrder(const std::function<void(const TreeNode&, int level)>& visit) const;
  void forEachInPageOrder(const std::function<void(TreeNode&, int level)>& visit);
  // The same walk with the visitor inlined, for the loops over every node of a large menu.
  template <typename Visit>
  void visitInPageOrder(Visit&& visit) const {
    walkPreOrder(root_, visit);
  }

 private:
  // An explicit stack keeps deep trees from exhausting the call stack.
  template <typename Node, typename Visit>
  static void walkPreOrder(Node& root, Visit& visit) {
    struct Pending {
      Node* node;
      int level;
    };
    std::vector<Pending> stack;
    for (auto it = root.children().rbegin(); it != root.children().rend(); ++it) stack.push_back({it->get(), 0});
    while (!stack.empty()) {
      const Pending current = stack.back();
      stack.pop_back();
      visit(*current.node, current.level);
      const auto& children = current.node->children();
      for (auto it = children.rbegin(); it != children.rend(); ++it) stack.push_back({it->get(), current.level + 1});
    }
  }

  TreeNode root_;
  TreeNode* selected_ = nullptr;
};

}  // namespace quillon
