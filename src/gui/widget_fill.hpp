#pragma once
// Filling controls from the model: the pages set their controls without the
// change handlers writing the same values back.
#include <string>

#include "gui/qt_text.hpp"

class QComboBox;
class QLineEdit;

namespace quillon::gui {

// Sets the text only when it differs, so a box being typed in keeps its cursor.
void setTextIfChanged(QLineEdit* box, const std::string& text);

// Selects the entry with the value; a value the list does not offer (a face
// read from a page, say) is added at the top and selected.
void selectOrInsert(QComboBox* list, const std::string& value);

// Marks a page as being filled for its lifetime; the change handlers return at once meanwhile.
class FillScope {
 public:
  explicit FillScope(bool& filling) : filling_(filling), previous_(filling) { filling_ = true; }
  ~FillScope() { filling_ = previous_; }
  FillScope(const FillScope&) = delete;
  FillScope& operator=(const FillScope&) = delete;

 private:
  bool& filling_;
  bool previous_;
};

}  // namespace quillon::gui
