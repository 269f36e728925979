#pragma once
// The settings page control beside the construction area: the pages "Applet",
// "Tab", "Tab Style", "Tree" and "Tree Style" over the Commander's menu.
#include "app/commander.hpp"
#include "app/window_state.hpp"
#include "model/menu_change.hpp"

#include <QTabWidget>

namespace quillon::gui {

class AppletPage;
class TabPage;
class TabStylePage;
class TreePage;
class TreeStylePage;

class SettingsPages : public QTabWidget {
  Q_OBJECT

 public:
  static constexpr int kDesignWidth = 405;

  explicit SettingsPages(Commander& commander, QWidget* parent = nullptr);

  void setActivePage(SettingsPage page);

 public Q_SLOTS:
  // Fills every control from the model and shows the pages the menu's kind
  // uses, with the controls its settings allow. Nothing is written back meanwhile.
  void refreshFromModel();

 Q_SIGNALS:
  // An edit changed what the construction area shows: tab captions, the tab
  // order, tabs or nodes added, copied or deleted, node texts and icons, the
  // tabs' place at the top or the bottom.
  void menuChanged(const quillon::MenuChange& change);
  // "&Apply" on the "Applet" page, and its "Set Defaults": the construction
  // area takes the applet's size, in pixels.
  void appletSizeApplied(int width, int height);

 private:
  void addPage(QWidget* page, const QString& caption);
  void applyControlState();

  Commander& commander_;
  AppletPage* applet_;
  TabPage* tab_;
  TabStylePage* tabStyle_;
  TreePage* tree_;
  TreeStylePage* treeStyle_;
};

}  // namespace quillon::gui
