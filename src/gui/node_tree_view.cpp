#include "gui/node_tree_view.hpp"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QSet>
#include <QSignalBlocker>

#include "gui/node_icons.hpp"
#include "gui/qt_text.hpp"

namespace quillon::gui {

namespace {

constexpr int kNodeRole = Qt::UserRole;
constexpr int kImageRole = Qt::UserRole + 1;
// Set once an item holds an item for each of its node's children.
constexpr int kFilledRole = Qt::UserRole + 2;

bool isNodeDrag(const QDropEvent* event) { return qobject_cast<NodeTreeView*>(event->source()) != nullptr; }

}  // namespace

NodeTreeView::NodeTreeView(QWidget* parent) : QTreeWidget(parent) {
  setHeaderHidden(true);
  setColumnCount(1);
  setUniformRowHeights(true);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setDragEnabled(true);
  setAcceptDrops(true);
  setDragDropMode(QAbstractItemView::DragDrop);
  setDefaultDropAction(Qt::CopyAction);
  setDropIndicatorShown(true);
  setAutoExpandDelay(700);
  setIconSize(QSize(16, 16));
  setToolTip("The nodes of this tab. Drag a node onto another to move or copy it.");
  setStatusTip(toolTip());
  connect(this, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* current) { followCurrentItem(current); });
  connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
    fillShownChildren(*item);
    updateIcon(*item);
  });
  connect(this, &QTreeWidget::itemCollapsed, this, [this](QTreeWidgetItem* item) { updateIcon(*item); });
}

NodeTreeView::~NodeTreeView() {
  // The model may be gone already: nothing may follow the items going.
  const QSignalBlocker quiet(this);
  removeAllItems();
}

TreeNode* NodeTreeView::nodeOf(const QTreeWidgetItem* item) const {
  if (!item) return nullptr;
  return reinterpret_cast<TreeNode*>(item->data(0, kNodeRole).value<quintptr>());
}

QTreeWidgetItem* NodeTreeView::itemOf(const TreeNode* node) const { return items_.value(node, nullptr); }

QTreeWidgetItem* NodeTreeView::makeItemFor(const TreeNode* node) {
  if (!node || !tree_) return nullptr;
  if (QTreeWidgetItem* made = itemOf(node)) return made;
  // The node's ancestors, top first; it must be of this view's tree.
  std::vector<const TreeNode*> path;
  const TreeNode* above = node->parent();
  for (; above && above != &tree_->root(); above = above->parent()) path.push_back(above);
  if (!above) return nullptr;
  for (auto ancestor = path.rbegin(); ancestor != path.rend(); ++ancestor) {
    QTreeWidgetItem* item = itemOf(*ancestor);
    if (!item) return nullptr;
    fill(*item);
  }
  return itemOf(node);
}

void NodeTreeView::showTree(NodeTree& tree, const NodeIcons* icons) {
  syncing_ = true;
  if (tree_ != &tree) {
    removeAllItems();
    tree_ = &tree;
    rootFilled_ = false;
  }
  icons_ = icons;
  items_.clear();
  if (rootFilled_) {
    syncChildren(invisibleRootItem(), tree.root());
  } else {
    fillShownChildren(*invisibleRootItem());
  }
  showSelection();
  syncing_ = false;
}

void NodeTreeView::followChange(const MenuChange& change) {
  if (!tree_) return;
  syncing_ = true;
  // Only nodes this view has items for are looked at: they are of its tree
  // and still in it, as every edit reaches the view before the next.
  for (const TreeNode* node : change.nodes) {
    if (QTreeWidgetItem* item = itemOf(node)) updateItem(*item, *node);
  }
  for (const TreeNode* parent : change.parents) {
    const bool top = parent == &tree_->root();
    QTreeWidgetItem* item = top ? invisibleRootItem() : itemOf(parent);
    if (!item) continue;
    if (!top) updateItem(*item, *parent);
    syncChildList(*item, *parent);
  }
  showSelection();
  syncing_ = false;
}

void NodeTreeView::showSelection() {
  QTreeWidgetItem* selected = makeItemFor(tree_->selected());
  setCurrentItem(selected);
  if (selected) scrollToItem(selected);
}

QTreeWidgetItem* NodeTreeView::makeItem(const TreeNode& node) {
  auto* item = new QTreeWidgetItem;
  item->setData(0, kNodeRole, QVariant::fromValue(reinterpret_cast<quintptr>(&node)));
  updateItem(*item, node);
  return item;
}

bool NodeTreeView::isFilled(const QTreeWidgetItem& item) const {
  return &item == invisibleRootItem() ? rootFilled_ : item.data(0, kFilledRole).toBool();
}

void NodeTreeView::fill(QTreeWidgetItem& item) {
  if (isFilled(item)) return;
  const TreeNode* node = &item == invisibleRootItem() ? &tree_->root() : nodeOf(&item);
  if (&item == invisibleRootItem()) {
    rootFilled_ = true;
  } else {
    item.setData(0, kFilledRole, true);
  }
  QList<QTreeWidgetItem*> children;
  for (const auto& child : node->children()) children << makeItem(*child);
  // Adding every child in one go is much faster than one by one.
  item.addChildren(children);
}

// Items are made for the shown rows and one level below, so every shown
// folder has its children ready to open, and no deeper.
void NodeTreeView::fillShownChildren(QTreeWidgetItem& item) {
  fill(item);
  for (int i = 0; i < item.childCount(); ++i) fill(*item.child(i));
}

void NodeTreeView::syncChildren(QTreeWidgetItem* top, const TreeNode& topNode) {
  // Each item's children are brought in line with its node's, level by level
  // from an explicit list, so a tree of any depth is synced.
  std::vector<std::pair<QTreeWidgetItem*, const TreeNode*>> pending{{top, &topNode}};
  while (!pending.empty()) {
    const auto [parent, node] = pending.back();
    pending.pop_back();
    // Nothing below an item that was never filled is shown or made.
    if (!isFilled(*parent)) continue;
    const auto& children = node->children();
    bool sameOrder = parent->childCount() == static_cast<int>(children.size());
    for (int i = 0; sameOrder && i < parent->childCount(); ++i) {
      sameOrder = nodeOf(parent->child(i)) == children[static_cast<std::size_t>(i)].get();
    }
    if (sameOrder) {
      for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem* item = parent->child(i);
        const TreeNode& child = *children[static_cast<std::size_t>(i)];
        updateItem(*item, child);
        pending.emplace_back(item, &child);
      }
      continue;
    }

    // Items of nodes that stay are reused in the new order; the rest go. Taking
    // items out of the view forgets which were open, so that is noted first.
    QHash<const TreeNode*, QTreeWidgetItem*> kept;
    QSet<const QTreeWidgetItem*> expanded;
    for (int i = 0; i < parent->childCount(); ++i) {
      kept.insert(nodeOf(parent->child(i)), parent->child(i));
      collectExpanded(*parent->child(i), expanded);
    }
    parent->takeChildren();
    QList<QTreeWidgetItem*> order;
    for (const auto& child : children) {
      QTreeWidgetItem* item = kept.take(child.get());
      if (item) {
        updateItem(*item, *child);
        pending.emplace_back(item, child.get());
      } else {
        item = makeItem(*child);
      }
      order << item;
    }
    for (QTreeWidgetItem* gone : kept) deleteItem(gone);
    parent->addChildren(order);
    for (QTreeWidgetItem* item : order) restoreExpanded(*item, expanded);
    if (parent == invisibleRootItem() || parent->isExpanded()) fillShownChildren(*parent);
  }
}

// One item's children brought in line with its node's after children were
// added, removed or reordered. Children before and after the changed stretch
// stay in place; the subtrees of those that stay are not looked at.
void NodeTreeView::syncChildList(QTreeWidgetItem& parent, const TreeNode& node) {
  if (!isFilled(parent)) return;
  const auto& children = node.children();
  const int shown = parent.childCount();
  const int wanted = static_cast<int>(children.size());
  const auto childNode = [&children](int index) { return children[static_cast<std::size_t>(index)].get(); };
  int front = 0;
  while (front < shown && front < wanted && nodeOf(parent.child(front)) == childNode(front)) ++front;
  int back = 0;
  while (back < shown - front && back < wanted - front &&
         nodeOf(parent.child(shown - 1 - back)) == childNode(wanted - 1 - back)) {
    ++back;
  }
  // Taking items out of the view forgets which were open, so that is noted first.
  QHash<const TreeNode*, QTreeWidgetItem*> kept;
  QSet<const QTreeWidgetItem*> expanded;
  for (int i = front; i < shown - back; ++i) collectExpanded(*parent.child(i), expanded);
  for (int i = shown - back - 1; i >= front; --i) {
    QTreeWidgetItem* item = parent.takeChild(i);
    kept.insert(nodeOf(item), item);
  }
  QList<QTreeWidgetItem*> middle;
  for (int i = front; i < wanted - back; ++i) {
    QTreeWidgetItem* item = kept.take(childNode(i));
    middle << (item ? item : makeItem(*childNode(i)));
  }
  for (QTreeWidgetItem* gone : kept) deleteItem(gone);
  parent.insertChildren(front, middle);
  for (QTreeWidgetItem* item : middle) restoreExpanded(*item, expanded);
  if (&parent == invisibleRootItem() || parent.isExpanded()) fillShownChildren(parent);
}

void NodeTreeView::collectExpanded(const QTreeWidgetItem& top, QSet<const QTreeWidgetItem*>& expanded) {
  std::vector<const QTreeWidgetItem*> pending{&top};
  while (!pending.empty()) {
    const QTreeWidgetItem* item = pending.back();
    pending.pop_back();
    if (item->isExpanded()) expanded.insert(item);
    for (int i = 0; i < item->childCount(); ++i) pending.push_back(item->child(i));
  }
}

void NodeTreeView::restoreExpanded(QTreeWidgetItem& top, const QSet<const QTreeWidgetItem*>& expanded) {
  std::vector<QTreeWidgetItem*> pending{&top};
  while (!pending.empty()) {
    QTreeWidgetItem* item = pending.back();
    pending.pop_back();
    if (expanded.contains(item)) item->setExpanded(true);
    for (int i = 0; i < item->childCount(); ++i) pending.push_back(item->child(i));
  }
}

void NodeTreeView::deleteItem(QTreeWidgetItem* top) {
  // An item deletes its children itself, one call deeper each; taking them
  // off first lets a tree of any depth go.
  std::vector<QTreeWidgetItem*> pending{top};
  while (!pending.empty()) {
    QTreeWidgetItem* item = pending.back();
    pending.pop_back();
    for (QTreeWidgetItem* child : item->takeChildren()) pending.push_back(child);
    // The node may have an item elsewhere by now, moved there in the same edit.
    const TreeNode* node = nodeOf(item);
    if (items_.value(node) == item) items_.remove(node);
    delete item;
  }
}

void NodeTreeView::removeAllItems() {
  while (topLevelItemCount() > 0) deleteItem(takeTopLevelItem(topLevelItemCount() - 1));
}

void NodeTreeView::updateItem(QTreeWidgetItem& item, const TreeNode& node) {
  items_.insert(&node, &item);
  const QString text = toQString(node.Text);
  if (item.text(0) != text) item.setText(0, text);
  updateIcon(item);
}

void NodeTreeView::updateIcon(QTreeWidgetItem& item) {
  const TreeNode* node = nodeOf(&item);
  if (!node) return;
  int image = -1;
  if (icons_) {
    image = node->Data.CollapsedImage;
    if (item.isExpanded() && node->hasChildren() && node->Data.ExpandedImage >= 0) image = node->Data.ExpandedImage;
    if (icons_->icon(image).isNull()) image = -1;
  }
  const QVariant shown = item.data(0, kImageRole);
  if (shown.isValid() && shown.toInt() == image) return;
  item.setData(0, kImageRole, image);
  item.setIcon(0, image >= 0 ? icons_->icon(image) : QIcon());
}

void NodeTreeView::followCurrentItem(QTreeWidgetItem* current) {
  if (syncing_ || !tree_ || !current) return;
  tree_->select(nodeOf(current));
  Q_EMIT nodeSelected();
}

void NodeTreeView::startDrag(Qt::DropActions supportedActions) {
  dragged_ = nodeOf(currentItem());
  if (dragged_) QTreeWidget::startDrag(supportedActions);
  dragged_ = nullptr;
}

void NodeTreeView::dragEnterEvent(QDragEnterEvent* event) {
  if (!isNodeDrag(event)) {
    event->ignore();
    return;
  }
  QTreeWidget::dragEnterEvent(event);
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void NodeTreeView::dragMoveEvent(QDragMoveEvent* event) {
  if (!isNodeDrag(event)) {
    event->ignore();
    return;
  }
  QTreeWidget::dragMoveEvent(event);
  event->setDropAction(Qt::CopyAction);
  event->accept();
}

void NodeTreeView::dropEvent(QDropEvent* event) {
  // The model decides what the drop does; the dragging view must not take
  // its item away as for a move, so the drag always ends as a copy.
  stopAutoScroll();
  setState(NoState);
  viewport()->update();
  auto* source = qobject_cast<NodeTreeView*>(event->source());
  if (!source) {
    event->ignore();
    return;
  }
  event->setDropAction(Qt::CopyAction);
  event->accept();
  const QPoint position = event->position().toPoint();
  TreeNode* target = nodeOf(itemAt(position));
  if (!target || !source->draggedNode()) return;
  Q_EMIT nodeDropped(source, source->draggedNode(), target, viewport()->mapToGlobal(position));
}

}  // namespace quillon::gui
