#include "gui/widget_fill.hpp"

#include <QComboBox>
#include <QLineEdit>

namespace quillon::gui {

void setTextIfChanged(QLineEdit* box, const std::string& text) {
  const QString wanted = toQString(text);
  if (box->text() != wanted) box->setText(wanted);
}

void selectOrInsert(QComboBox* list, const std::string& value) {
  const QString wanted = toQString(value);
  int index = list->findText(wanted);
  if (index < 0) {
    list->insertItem(0, wanted);
    index = 0;
  }
  list->setCurrentIndex(index);
}

}  // namespace quillon::gui
