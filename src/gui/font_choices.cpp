#include "gui/font_choices.hpp"

#include <QComboBox>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace quillon::gui {

QString plainFamilyName(const QString& family) {
  const qsizetype bracket = family.lastIndexOf(" [");
  return bracket > 0 && family.endsWith(']') ? family.left(bracket) : family;
}

void fillFontFaces(QComboBox* list) {
  QStringList faces;
  for (const QString& family : QFontDatabase::families()) faces << plainFamilyName(family);
  faces.removeDuplicates();
  list->addItems(faces);
}

void fillFontSizes(QComboBox* list) {
  list->addItems({"8", "9", "10", "11", "12", "14", "16", "18", "20", "22", "24", "26", "28", "36", "48", "72"});
}

}  // namespace quillon::gui
