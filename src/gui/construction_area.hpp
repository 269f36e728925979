#pragma once
// The left side of the main window: one page per tab of the menu, each with
// that tab's tree. The tabs sit where the applet will show them; a tab applet
// shows captions only, a tree applet its one tree without captions.
#include <QPointer>
#include <QTabWidget>
#include <functional>
#include <optional>

#include "gui/node_icons.hpp"
#include "model/menu_change.hpp"
#include "model/menu_model.hpp"
#include "model/node_drop.hpp"

namespace quillon::gui {

class NodeTreeView;

class ConstructionArea : public QTabWidget {
  Q_OBJECT
 public:
  // Which of the four drop choices the user takes; nothing when the menu is dismissed.
  using DropChooser = std::function<std::optional<DropChoice>(const QPoint& globalPosition)>;

  explicit ConstructionArea(MenuModel& menu, QWidget* parent = nullptr);

  // Follows the model: tabs, captions, order, the current tab, the trees and
  // the selection. Only the shown tab's tree is drawn now; the others when shown.
  void refreshFromModel();
  // Follows one edit: the tab list when it changed, and in each tree drawn
  // only the items of the nodes it names.
  void followChange(const MenuChange& change);

  NodeTreeView* treeView(int tab) const;
  void setDropChooser(DropChooser chooser) { chooser_ = std::move(chooser); }
  // A node of one tab's tree dropped onto a node of another (or the same):
  // asks for the choice and carries it out. False when nothing changed.
  bool dropNode(int sourceTab, TreeNode& dragged, int targetTab, TreeNode& target, const QPoint& globalPosition);

 Q_SIGNALS:
  // The current tab or its selected node changed.
  void selectionChanged();
  // A drop changed the trees.
  void menuChanged();

 private:
  class TabPage;
  TabPage* page(int index) const;
  int indexOfTreeView(const NodeTreeView* view) const;
  void showTabs(bool redrawTrees);
  void placePages();
  void connectView(NodeTreeView* view);
  void showPage(int index);
  void onCurrentChanged(int index);
  void onNodeDropped(QPointer<NodeTreeView> source, TreeNode* dragged, QPointer<NodeTreeView> targetView,
                     TreeNode* target, QPoint globalPosition);
  static std::optional<DropChoice> askDropChoice(const QPoint& globalPosition);

  MenuModel& menu_;
  NodeIcons icons_;
  DropChooser chooser_ = askDropChoice;
  bool refreshing_ = false;
};

}  // namespace quillon::gui
