#include "model/node_tree.hpp"

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <utility>

namespace quillon {

TreeNode::~TreeNode() {
  // Taken down from an explicit list: destroying a deep chain of nodes
  // recursively would exhaust the call stack.
  std::vector<std::unique_ptr<TreeNode>> pending = std::move(children_);
  while (!pending.empty()) {
    std::unique_ptr<TreeNode> node = std::move(pending.back());
    pending.pop_back();
    for (auto& child : node->children_) pending.push_back(std::move(child));
    node->children_.clear();
  }
}

int TreeNode::level() const {
  int depth = -1;
  for (const TreeNode* node = parent_; node != nullptr; node = node->parent_) ++depth;
  return depth;
}

TreeNode& TreeNode::appendChild(std::string text, TAppletNode data) {
  return insertChild(children_.size(), std::make_unique<TreeNode>(std::move(text), std::move(data)));
}

TreeNode& TreeNode::insertChild(std::size_t index, std::unique_ptr<TreeNode> child) {
  if (index > children_.size()) index = children_.size();
  child->parent_ = this;
  auto inserted = children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(index), std::move(child));
  return **inserted;
}

std::unique_ptr<TreeNode> TreeNode::detachChild(std::size_t index) {
  if (index >= children_.size()) throw std::out_of_range("no child at that index");
  std::unique_ptr<TreeNode> child = std::move(children_[index]);
  children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(index));
  child->parent_ = nullptr;
  return child;
}

std::size_t TreeNode::indexOf(const TreeNode& child) const {
  for (std::size_t i = 0; i < children_.size(); ++i) {
    if (children_[i].get() == &child) return i;
  }
  throw std::invalid_argument("not a child of this node");
}

std::unique_ptr<TreeNode> TreeNode::clone() const {
  auto copy = std::make_unique<TreeNode>(Text, Data);
  // Copied from an explicit list of (original, copy) pairs, so any depth copies.
  std::vector<std::pair<const TreeNode*, TreeNode*>> pending{{this, copy.get()}};
  while (!pending.empty()) {
    const auto [original, target] = pending.back();
    pending.pop_back();
    for (const auto& child : original->children_) {
      pending.emplace_back(child.get(), &target->appendChild(child->Text, child->Data));
    }
  }
  return copy;
}

TreeNode& PageOrderBuilder::add(std::size_t depth) {
  if (openCount_ == 0) {
    if (open_.empty()) open_.emplace_back();
    open_[0].node = &parent_;
    openCount_ = 1;
  }
  if (depth >= openCount_) throw std::invalid_argument("a node deeper than one below the last");
  closeBelow(depth + 1);
  Open& into = open_[depth];
  TreeNode& node = *into.children.emplace_back(std::make_unique<TreeNode>());
  node.parent_ = into.node;
  if (open_.size() == openCount_) open_.emplace_back();
  open_[openCount_++].node = &node;
  return node;
}

void PageOrderBuilder::closeBelow(std::size_t depth) {
  for (; openCount_ > depth; --openCount_) {
    Open& open = open_[openCount_ - 1];
    if (open.children.empty()) continue;
    auto& children = open.node->children_;
    children.reserve(children.size() + open.children.size());
    std::move(open.children.begin(), open.children.end(), std::back_inserter(children));
    open.children.clear();
  }
}

void NodeTree::clear() {
  while (root_.hasChildren()) root_.detachChild(root_.children().size() - 1);
  selected_ = nullptr;
}

void NodeTree::selectFirst() { selected_ = empty() ? nullptr : root_.children().front().get(); }

std::size_t NodeTree::size() const {
  std::size_t count = 0;
  visitInPageOrder([&count](const TreeNode&, int) { ++count; });
  return count;
}

void NodeTree::forEachInPageOrder(const std::function<void(const TreeNode&, int)>& visit) const {
  walkPreOrder(root_, visit);
}

void NodeTree::forEachInPageOrder(const std::function<void(TreeNode&, int)>& visit) {
  walkPreOrder(root_, visit);
}

}  // namespace quillon
