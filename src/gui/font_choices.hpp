#pragma once
// The font lists of the "Tab Style" and "Tree Style" pages.
class QComboBox;
class QString;

namespace quillon::gui {

// The system's screen fonts by their family names: a family that several
// foundries make is listed once, without the "[foundry]" the font database
// adds, as the page and the applet name it.
void fillFontFaces(QComboBox* list);

// A family name without its foundry: "Nimbus Sans [urw]" is "Nimbus Sans".
QString plainFamilyName(const QString& family);
// The sizes offered, in points.
void fillFontSizes(QComboBox* list);

}  // namespace quillon::gui
