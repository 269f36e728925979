#pragma once
// One tab's tree of nodes, drawn from the model. Items follow their nodes:
// a refresh keeps the items (and their expanded state) of nodes that stay,
// and a single edit touches only the items of the nodes it changed.
// Items are made only for shown rows and the level below them; a branch's
// deeper items are made when it is opened or a command reaches into it.
// Captions are changed only through the node text field, never in place.
#include <QHash>
#include <QSet>
#include <QTreeWidget>

#include "model/menu_change.hpp"
#include "model/node_tree.hpp"

namespace quillon::gui {

class NodeIcons;

class NodeTreeView : public QTreeWidget {
  Q_OBJECT
 public:
  explicit NodeTreeView(QWidget* parent = nullptr);
  ~NodeTreeView() override;

  // Shows the tree's nodes and selection; icons only when `icons` is given.
  void showTree(NodeTree& tree, const NodeIcons* icons);
  // Follows one edit of the shown tree: only the items of the nodes and
  // children lists it names, then the selection. Nodes of other trees are
  // left alone.
  void followChange(const MenuChange& change);

  NodeTree* tree() const { return tree_; }
  TreeNode* nodeOf(const QTreeWidgetItem* item) const;
  // Null for a node this view does not show (any more) or has no item for yet.
  QTreeWidgetItem* itemOf(const TreeNode* node) const;
  // The node's item, made with those of its ancestors' children if need be;
  // null for a node of another tree.
  QTreeWidgetItem* makeItemFor(const TreeNode* node);
  // The node being dragged from this view, while a drag runs.
  TreeNode* draggedNode() const { return dragged_; }

 Q_SIGNALS:
  // The user selected another node; the tree's selection already follows.
  void nodeSelected();
  // A node of `source` was dropped onto `target` of this view.
  void nodeDropped(NodeTreeView* source, TreeNode* dragged, TreeNode* target, QPoint globalPosition);

 protected:
  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void syncChildren(QTreeWidgetItem* top, const TreeNode& topNode);
  void syncChildList(QTreeWidgetItem& parent, const TreeNode& node);
  void showSelection();
  QTreeWidgetItem* makeItem(const TreeNode& node);
  bool isFilled(const QTreeWidgetItem& item) const;
  void fill(QTreeWidgetItem& item);
  void fillShownChildren(QTreeWidgetItem& item);
  void deleteItem(QTreeWidgetItem* top);
  void removeAllItems();
  static void collectExpanded(const QTreeWidgetItem& top, QSet<const QTreeWidgetItem*>& expanded);
  static void restoreExpanded(QTreeWidgetItem& top, const QSet<const QTreeWidgetItem*>& expanded);
  void updateItem(QTreeWidgetItem& item, const TreeNode& node);
  void updateIcon(QTreeWidgetItem& item);
  void followCurrentItem(QTreeWidgetItem* current);

  NodeTree* tree_ = nullptr;
  const NodeIcons* icons_ = nullptr;
  QHash<const TreeNode*, QTreeWidgetItem*> items_;
  bool rootFilled_ = false;
  TreeNode* dragged_ = nullptr;
  bool syncing_ = false;
};

}  // namespace quillon::gui
