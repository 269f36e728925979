#include "gui/page_controls.hpp"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

namespace quillon::gui {

namespace {

template <typename Control>
Control* named(Control* control, const char* name, const QString& hint) {
  control->setObjectName(name);
  control->setToolTip(hint);
  return control;
}

}  // namespace

QPushButton* makeButton(const QString& caption, const char* name, const QString& hint) {
  return named(new QPushButton(caption), name, hint);
}

QToolButton* makeBrowseButton(const char* name, const QString& hint) {
  auto* button = named(new QToolButton, name, hint);
  button->setText("...");
  return button;
}

QToolButton* makeRemoveButton(const char* name, const QString& hint) {
  auto* button = named(new QToolButton, name, hint);
  button->setText("X");
  return button;
}

QLineEdit* makeBox(const char* name, const QString& hint) { return named(new QLineEdit, name, hint); }

QLineEdit* makeReadOnlyBox(const char* name, const QString& hint) {
  QLineEdit* box = makeBox(name, hint);
  box->setReadOnly(true);
  return box;
}

QCheckBox* makeCheck(const QString& caption, const char* name, const QString& hint) {
  return named(new QCheckBox(caption), name, hint);
}

QLabel* makeNote(const QString& text) {
  auto* note = new QLabel(text);
  note->setWordWrap(true);
  return note;
}

}  // namespace quillon::gui
