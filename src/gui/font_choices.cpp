#include "gui/font_choices.hpp"

#include <QComboBox>
#include <QFontDatabase>

namespace quillon::gui {

void fillFontFaces(QComboBox* list) { list->addItems(QFontDatabase::families()); }

void fillFontSizes(QComboBox* list) {
  list->addItems({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"});
}

}  // namespace quillon::gui
