#pragma once
// Binds the controls of a window to the fields of its options struct: a change
// in a control writes its field at once, and fill() shows the fields again
// after the logic has changed them (defaults, recomputed sizes).
#include <QObject>
#include <functional>
#include <string>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillon::gui {

class OptionBinder {
 public:
  // Runs after every change a control makes, to show or hide what depends on it.
  void afterChange(std::function<void()> changed) { changed_ = std::move(changed); }

  void text(QLineEdit* box, std::string& field);
  void check(QCheckBox* box, bool& field);
  // An editable list takes typed text as well as its items.
  void choice(QComboBox* list, std::string& field);
  // One of a group of buttons: shown checked while isOn(), choosing it runs choose().
  void option(QAbstractButton* button, std::function<bool()> isOn, std::function<void()> choose);

  // The controls from the fields; their change handlers stay quiet meanwhile.
  void fill();

 private:
  void changed();

  bool filling_ = false;
  std::vector<std::function<void()>> fillers_;
  std::function<void()> changed_;
};

}  // namespace quillon::gui
