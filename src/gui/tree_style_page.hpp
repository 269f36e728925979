#pragma once
// The "Tree Style" settings page: the tree font, background image, behaviour
// check boxes, the toggle panel and the colours.
#include "app/commander.hpp"
#include "app/style_colors.hpp"
#include "app/style_control_state.hpp"
#include "app/tree_style_buttons.hpp"
#include "model/menu_change.hpp"

#include <QWidget>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QToolButton;

namespace quillon::gui {

class TreeStylePage : public QWidget {
  Q_OBJECT

 public:
  explicit TreeStylePage(Commander& commander, QWidget* parent = nullptr);

  void refresh();
  void applyControlState(const StyleControlState& state);

 Q_SIGNALS:
  // The icons toggle or a reset changed what the construction area shows.
  void menuChanged(const quillon::MenuChange& change);
  // The icons toggle or a reset changed what the "Tree" page enables and shows.
  void modelChanged();

 private:
  static constexpr std::size_t kButtonCount = static_cast<std::size_t>(TreeStyleButton::MouseOverUnderline) + 1;
  static constexpr std::size_t kSampleCount = static_cast<std::size_t>(ColorSample::FrameLine) + 1;

  QLayout* buildTogglePanel();
  QLayout* buildSamples();
  QCheckBox* settingCheck(const QString& caption, const char* name, const QString& hint, bool TAppletSettings::*field);
  TAppletSettings& settings() { return commander_.menu().Settings; }
  QToolButton*& toggle(TreeStyleButton button) { return toggles_[static_cast<std::size_t>(button)]; }

  Commander& commander_;
  bool filling_ = false;
  QComboBox* font_ = nullptr;
  QComboBox* size_ = nullptr;
  QLineEdit* backImage_ = nullptr;
  QToolButton* backImageBrowse_ = nullptr;
  QToolButton* backImageRemove_ = nullptr;
  std::vector<std::pair<QCheckBox*, bool TAppletSettings::*>> checks_;
  std::array<QToolButton*, kButtonCount> toggles_{};
  std::array<QLabel*, kSampleCount> samples_{};
  QMenu* colorMenu_ = nullptr;
};

}  // namespace quillon::gui
