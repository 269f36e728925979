#pragma once
// The "Tab" settings page: the current tab's caption, place and links, the
// tab buttons and the start-up tab.
#include "app/commander.hpp"
#include "model/menu_change.hpp"
#include "model/tab_editing.hpp"

#include <QWidget>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace quillon::gui {

class TabPositionControl;
class TargetFrameHint;

class TabPage : public QWidget {
  Q_OBJECT

 public:
  explicit TabPage(Commander& commander, QWidget* parent = nullptr);

  void refresh();

 Q_SIGNALS:
  // The construction area shows something else: a caption, the tab order, the tabs.
  void menuChanged(const quillon::MenuChange& change);
  // Another tab became current: every page shows it.
  void modelChanged();

 private:
  void linksEdited();
  void browseLink(QLineEdit* box);
  void fillStartupList(const StartupTabList& list);
  // After add, copy and delete.
  void tabsEdited();

  Commander& commander_;
  bool filling_ = false;
  QLineEdit* caption_ = nullptr;
  TabPositionControl* position_ = nullptr;
  QLineEdit* status_ = nullptr;
  QLineEdit* link1_ = nullptr;
  QLineEdit* target1_ = nullptr;
  QLineEdit* link2_ = nullptr;
  QLineEdit* target2_ = nullptr;
  QComboBox* startup_ = nullptr;
  TargetFrameHint* targetHint_ = nullptr;
};

}  // namespace quillon::gui
