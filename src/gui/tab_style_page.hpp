#pragma once
// The "Tab Style" settings page: the tab font, background image, position,
// colours and border.
#include "app/commander.hpp"
#include "app/style_control_state.hpp"
#include "model/menu_change.hpp"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;
class QToolButton;

namespace quillon::gui {

class TabStylePage : public QWidget {
  Q_OBJECT

 public:
  explicit TabStylePage(Commander& commander, QWidget* parent = nullptr);

  void refresh();
  void applyControlState(const StyleControlState& state);

 Q_SIGNALS:
  // The tabs moved to the top or the bottom of the construction area.
  void menuChanged(const quillon::MenuChange& change);

 private:
  TAppletSettings& settings() { return commander_.menu().Settings; }

  Commander& commander_;
  bool filling_ = false;
  QComboBox* font_ = nullptr;
  QComboBox* size_ = nullptr;
  QLineEdit* backImage_ = nullptr;
  QToolButton* backImageBrowse_ = nullptr;
  QToolButton* backImageRemove_ = nullptr;
  QRadioButton* onTop_ = nullptr;
  QRadioButton* onBottom_ = nullptr;
  QLabel* captionSample_ = nullptr;
  QLabel* mouseOverSample_ = nullptr;
  QCheckBox* tabsOnly_ = nullptr;
  QMenu* colorMenu_ = nullptr;
};

}  // namespace quillon::gui
