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
  friend class PageOrderBuilder;

  TreeNode* parent_ = nullptr;
  std::vector<std::unique_ptr<TreeNode>> children_;
};

// Appends nodes below a parent in page order, each at a depth below it. A
// node's children are gathered aside and handed to it at their exact count
// once the next node leaves it: a large menu takes no room to grow into, nor
// the copies growing would make. The gathered nodes belong to the parent
// only after finish(); the builder frees those still gathered if it ends without.
class PageOrderBuilder {
 public:
  explicit PageOrderBuilder(TreeNode& parent) : parent_(parent) {}
  PageOrderBuilder(const PageOrderBuilder&) = delete;
  PageOrderBuilder& operator=(const PageOrderBuilder&) = delete;

  // A new last node at depth (0 is a child of the parent); no deeper than one
  // below the last node added. The nodes deeper than it are finished.
  TreeNode& add(std::size_t depth);
  void finish() { closeBelow(0); }

 private:
  struct Open {
    TreeNode* node;
    std::vector<std::unique_ptr<TreeNode>> children;  // gathered, not yet the node's
  };
  // Hands the gathered children of the open nodes at depth and deeper to them.
  void closeBelow(std::size_t depth);

  TreeNode& parent_;
  // open_[d] is the last node added at depth d - 1 (open_[0] the parent);
  // entries beyond openCount_ keep their room for the next nodes that deep.
  std::vector<Open> open_;
  std::size_t openCount_ = 0;
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
