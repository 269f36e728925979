#include "gui/construction_area.hpp"

#include <QMenu>
#include <QPalette>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include "gui/hover_highlight.hpp"
#include "gui/node_tree_view.hpp"
#include "gui/qt_text.hpp"

namespace quillon::gui {

// One tab of the menu: its page holds the tab's tree view, made the first
// time it is asked for, so a menu of many tabs opens without a view per tab.
class ConstructionArea::TabPage : public QWidget {
 public:
  using ViewMade = std::function<void(NodeTreeView*)>;

  TabPage(TAppletPage& tab, ViewMade viewMade, QWidget* parent)
      : QWidget(parent), tab_(&tab), viewMade_(std::move(viewMade)) {
    new QVBoxLayout(this);
    layout()->setContentsMargins(0, 0, 0, 0);
  }

  TAppletPage* tab() const { return tab_; }
  NodeTreeView* view() {
    if (!view_) {
      view_ = new NodeTreeView(this);
      view_->setVisible(treesShown_);
      layout()->addWidget(view_);
      viewMade_(view_);
    }
    return view_;
  }
  bool hasView(const NodeTreeView* view) const { return view_ && view_ == view; }
  NodeTreeView* madeView() const { return view_; }
  void setTreesShown(bool shown) {
    treesShown_ = shown;
    if (view_) view_->setVisible(shown);
  }
  // The tree needs drawing again before it is next seen.
  bool stale = true;

 private:
  TAppletPage* tab_;
  ViewMade viewMade_;
  NodeTreeView* view_ = nullptr;
  bool treesShown_ = true;
};

ConstructionArea::ConstructionArea(MenuModel& menu, QWidget* parent) : QTabWidget(parent), menu_(menu) {
  setObjectName("pgeConstruction");
  setToolTip("The construction area: one page per tab, each with the tab's tree of nodes.");
  setStatusTip(toolTip());
  setUsesScrollButtons(true);
  // Dragging a node over another tab's caption opens that tab, so nodes can move between trees.
  tabBar()->setChangeCurrentOnDrag(true);
  // The captions are maroon, the shown tab's too (some styles paint it from the palette).
  QPalette captions = tabBar()->palette();
  for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    captions.setColor(role, kHighlightColor);
  }
  tabBar()->setPalette(captions);
  connect(this, &QTabWidget::currentChanged, this, &ConstructionArea::onCurrentChanged);
}

ConstructionArea::TabPage* ConstructionArea::page(int index) const { return static_cast<TabPage*>(widget(index)); }

NodeTreeView* ConstructionArea::treeView(int tab) const {
  TabPage* shown = tab >= 0 && tab < count() ? page(tab) : nullptr;
  return shown ? shown->view() : nullptr;
}

int ConstructionArea::indexOfTreeView(const NodeTreeView* view) const {
  for (int i = 0; i < count(); ++i) {
    if (page(i)->hasView(view)) return i;
  }
  return -1;
}

void ConstructionArea::refreshFromModel() {
  icons_.update(menu_.Images);
  showTabs(true);
  showPage(currentIndex());
}

void ConstructionArea::followChange(const MenuChange& change) {
  if (change.everything) {
    refreshFromModel();
    return;
  }
  // Pages of deleted tabs go first, with their views.
  if (change.tabs) showTabs(false);
  // A tree still to be drawn again is drawn whole when shown; the others follow now.
  if (!change.nodes.empty() || !change.parents.empty()) {
    for (int i = 0; i < count(); ++i) {
      if (NodeTreeView* view = page(i)->madeView(); view && !page(i)->stale) view->followChange(change);
    }
  }
  refreshing_ = true;
  const int current = menu_.currentTabIndex();
  if (current >= 0 && current < count()) setCurrentIndex(current);
  refreshing_ = false;
  showPage(currentIndex());
}

// The pages, captions and tab bar as the model has them; with redrawTrees
// every tree is drawn again before it is next seen.
void ConstructionArea::showTabs(bool redrawTrees) {
  refreshing_ = true;
  placePages();
  const TAppletKind kind = menu_.Settings.Kind;
  setTabPosition(menu_.Settings.TabOnBottom ? QTabWidget::South : QTabWidget::North);
  tabBar()->setVisible(kind != akTree);
  for (int i = 0; i < count(); ++i) {
    QString caption = toQString(menu_.tab(i).Caption);
    caption.replace('&', "&&");
    if (tabText(i) != caption) setTabText(i, caption);
    tabBar()->setTabTextColor(i, kHighlightColor);
    page(i)->setTreesShown(hasTrees(kind));
    if (redrawTrees) page(i)->stale = true;
  }
  const int current = menu_.currentTabIndex();
  if (current >= 0 && current < count()) setCurrentIndex(current);
  refreshing_ = false;
}

// One page per tab in the model's order; pages of tabs that stay are kept.
void ConstructionArea::placePages() {
  for (int i = 0; i < menu_.tabCount(); ++i) {
    TAppletPage* tab = &menu_.tab(i);
    if (i < count() && page(i)->tab() == tab) continue;
    int found = -1;
    for (int j = i + 1; j < count() && found < 0; ++j) {
      if (page(j)->tab() == tab) found = j;
    }
    if (found >= 0) {
      tabBar()->moveTab(found, i);
      continue;
    }
    auto* fresh = new TabPage(*tab, [this](NodeTreeView* view) { connectView(view); }, this);
    insertTab(i, fresh, QString());
  }
  while (count() > menu_.tabCount()) {
    QWidget* gone = widget(count() - 1);
    removeTab(count() - 1);
    delete gone;
  }
}

void ConstructionArea::connectView(NodeTreeView* view) {
  connect(view, &NodeTreeView::nodeSelected, this, &ConstructionArea::selectionChanged);
  // The drop menu waits until the drag has ended and the dragging view is back to normal.
  connect(view, &NodeTreeView::nodeDropped, this,
          [this, view](NodeTreeView* source, TreeNode* dragged, TreeNode* target, QPoint where) {
            QTimer::singleShot(0, this, [this, source = QPointer<NodeTreeView>(source), dragged,
                                         targetView = QPointer<NodeTreeView>(view), target, where] {
              onNodeDropped(source, dragged, targetView, target, where);
            });
          });
}

void ConstructionArea::showPage(int index) {
  if (index < 0 || index >= count()) return;
  TabPage* shown = page(index);
  if (!shown->stale || !hasTrees(menu_.Settings.Kind)) return;
  const bool withIcons = menu_.Settings.UseIcons && !menu_.Settings.ProxyEnhanced;
  shown->view()->showTree(shown->tab()->Nodes, withIcons ? &icons_ : nullptr);
  shown->stale = false;
}

void ConstructionArea::onCurrentChanged(int index) {
  if (refreshing_ || index < 0) return;
  menu_.setCurrentTab(index);
  showPage(index);
  Q_EMIT selectionChanged();
}

void ConstructionArea::onNodeDropped(QPointer<NodeTreeView> source, TreeNode* dragged,
                                     QPointer<NodeTreeView> targetView, TreeNode* target, QPoint globalPosition) {
  // The drop is handled once the drag is over; the views and the model may
  // have changed since, so both nodes must still be shown in their tab's tree.
  if (!source || !targetView || !source->itemOf(dragged) || !targetView->itemOf(target)) return;
  const int sourceTab = indexOfTreeView(source);
  const int targetTab = indexOfTreeView(targetView);
  if (sourceTab < 0 || targetTab < 0 || sourceTab >= menu_.tabCount() || targetTab >= menu_.tabCount()) return;
  if (source->tree() != &menu_.tab(sourceTab).Nodes || targetView->tree() != &menu_.tab(targetTab).Nodes) return;
  dropNode(sourceTab, *dragged, targetTab, *target, globalPosition);
}

bool ConstructionArea::dropNode(int sourceTab, TreeNode& dragged, int targetTab, TreeNode& target,
                                const QPoint& globalPosition) {
  if (sourceTab < 0 || sourceTab >= menu_.tabCount() || targetTab < 0 || targetTab >= menu_.tabCount()) return false;
  const std::optional<DropChoice> choice = chooser_(globalPosition);
  if (!choice) return false;
  const TreeNode* from = dragged.parent();
  TreeNode* placed = quillon::dropNode(menu_.tab(sourceTab).Nodes, dragged, menu_.tab(targetTab).Nodes, target, *choice);
  if (!placed) return false;
  menu_.setCurrentTab(targetTab);
  MenuChange change = MenuChange::ofChildren(*placed->parent());
  // A copy leaves its source where it was; a move takes it from its parent.
  if (placed == &dragged) change.parents.push_back(from);
  followChange(change);
  Q_EMIT menuChanged();
  return true;
}

std::optional<DropChoice> ConstructionArea::askDropChoice(const QPoint& globalPosition) {
  QMenu menu;
  const std::pair<const char*, DropChoice> entries[] = {
      {"MOVE and Insert as CHILD", DropChoice::MoveAsChild},
      {"MOVE and Insert on SAME level", DropChoice::MoveOnSameLevel},
      {"COPY and Insert as CHILD", DropChoice::CopyAsChild},
      {"COPY and Insert on SAME level", DropChoice::CopyOnSameLevel},
  };
  for (const auto& [text, choice] : entries) menu.addAction(text)->setData(static_cast<int>(choice));
  QAction* chosen = menu.exec(globalPosition);
  if (!chosen) return std::nullopt;
  return static_cast<DropChoice>(chosen->data().toInt());
}

}  // namespace quillon::gui
