#include "gui/option_binder.hpp"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "gui/widget_fill.hpp"

namespace quillon::gui {

void OptionBinder::changed() {
  if (changed_) changed_();
}

void OptionBinder::text(QLineEdit* box, std::string& field) {
  QObject::connect(box, &QLineEdit::textChanged, box, [this, &field](const QString& text) {
    if (filling_) return;
    field = toBytes(text);
    changed();
  });
  fillers_.push_back([box, &field] { setTextIfChanged(box, field); });
}

void OptionBinder::check(QCheckBox* box, bool& field) {
  QObject::connect(box, &QCheckBox::toggled, box, [this, &field](bool on) {
    if (filling_) return;
    field = on;
    changed();
  });
  fillers_.push_back([box, &field] { box->setChecked(field); });
}

void OptionBinder::choice(QComboBox* list, std::string& field) {
  QObject::connect(list, &QComboBox::currentTextChanged, list, [this, &field](const QString& text) {
    if (filling_) return;
    field = toBytes(text);
    changed();
  });
  fillers_.push_back([list, &field] {
    if (list->isEditable()) {
      list->setEditText(toQString(field));
    } else {
      selectOrInsert(list, field);
    }
  });
}

void OptionBinder::option(QAbstractButton* button, std::function<bool()> isOn, std::function<void()> choose) {
  QObject::connect(button, &QAbstractButton::toggled, button, [this, choose = std::move(choose)](bool on) {
    if (filling_ || !on) return;
    choose();
    // Choosing may change other fields, a recomputed size say.
    fill();
    changed();
  });
  fillers_.push_back([button, isOn = std::move(isOn)] { button->setChecked(isOn()); });
}

void OptionBinder::fill() {
  FillScope scope(filling_);
  for (const auto& filler : fillers_) filler();
}

}  // namespace quillon::gui
