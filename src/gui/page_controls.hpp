#pragma once
// The controls the settings pages are built from, named and hinted in one call.
#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace quillon::gui {

QPushButton* makeButton(const QString& caption, const char* name, const QString& hint);
// A small "..." button that opens a dialog.
QToolButton* makeBrowseButton(const char* name, const QString& hint);
// A small "X" button that empties the box beside it.
QToolButton* makeRemoveButton(const char* name, const QString& hint);
QLineEdit* makeBox(const char* name, const QString& hint);
// A box filled only by its browse button.
QLineEdit* makeReadOnlyBox(const char* name, const QString& hint);
QCheckBox* makeCheck(const QString& caption, const char* name, const QString& hint);
// A note that wraps within the page's width.
QLabel* makeNote(const QString& text);

}  // namespace quillon::gui
