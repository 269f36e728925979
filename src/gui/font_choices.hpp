#pragma once
// The font lists of the "Tab Style" and "Tree Style" pages.
class QComboBox;

namespace quillon::gui {

// The system's screen fonts.
void fillFontFaces(QComboBox* list);
// The sizes offered, in points.
void fillFontSizes(QComboBox* list);

}  // namespace quillon::gui
