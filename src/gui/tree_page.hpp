#pragma once
// The "Tree" settings page: the selected node's text, links and icons, the
// image list with its slider, the default images and the node buttons.
#include "app/commander.hpp"
#include "app/style_control_state.hpp"
#include "model/menu_change.hpp"

#include <QWidget>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSlider;
class QToolButton;

namespace quillon::gui {

class TargetFrameHint;

class TreePage : public QWidget {
  Q_OBJECT

 public:
  explicit TreePage(Commander& commander, QWidget* parent = nullptr);

  void refresh();
  void applyControlState(const StyleControlState& state);

 Q_SIGNALS:
  // The construction area shows something else: nodes, node texts, node icons.
  void menuChanged(const quillon::MenuChange& change);
  // The image list grew: what the pages enable may change.
  void modelChanged();

 private:
  QLayout* buildNodeFields();
  QGroupBox* buildNodeImages();
  QGroupBox* buildDefaultImages();
  QLayout* buildNodeButtons();

  void nodeEdited();
  void browseLink(QLineEdit* box);
  void showNode();
  void showImageWindow();
  void showDefaultImages();
  void updateEnabling();
  // After add, add child, delete and a node image: the tree changed.
  void nodesEdited(const MenuChange& change);
  TreeNode* selectedNode() const;

  Commander& commander_;
  bool filling_ = false;
  StyleControlState controlState_;
  bool nodeShown_ = false;
  bool folderShown_ = false;

  QLineEdit* text_ = nullptr;
  QLineEdit* status_ = nullptr;
  QLineEdit* link1_ = nullptr;
  QLineEdit* target1_ = nullptr;
  QLineEdit* link2_ = nullptr;
  QLineEdit* target2_ = nullptr;
  QToolButton* browse1_ = nullptr;
  QToolButton* browse2_ = nullptr;
  QCheckBox* openExpanded_ = nullptr;

  QGroupBox* nodeImages_ = nullptr;
  QSlider* slider_ = nullptr;
  std::array<QLabel*, 5> window_{};
  QLabel* collapsedLabel_ = nullptr;
  QLabel* collapsedPreview_ = nullptr;
  QPushButton* setCollapsed_ = nullptr;
  QLabel* expandedLabel_ = nullptr;
  QLabel* expandedPreview_ = nullptr;
  QPushButton* setExpanded_ = nullptr;

  QGroupBox* defaultImages_ = nullptr;
  std::array<QLabel*, 3> defaultPreviews_{};

  TargetFrameHint* targetHint_ = nullptr;
};

}  // namespace quillon::gui
