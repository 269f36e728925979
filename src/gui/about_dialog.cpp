#include "gui/about_dialog.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillon::gui {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("About");

  auto* title = new QLabel(kApplicationTitle, this);
  QFont large = title->font();
  large.setPointSizeF(large.pointSizeF() * 1.6);
  large.setBold(true);
  title->setFont(large);

  auto* text = new QLabel(QString("Morvane's Quillon - Commander\nVersion %1\n\n"
                                  "Builds site-navigation menus for your web pages: tab, tree and\n"
                                  "tabbed tree applets, drop-down boxes, tree views and site maps.\n\n"
                                  "Copyright Morvane.")
                              .arg(kVersionText),
                          this);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  buttons->button(QDialogButtonBox::Ok)->setToolTip("Close this window.");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(title);
  layout->addWidget(text);
  layout->addWidget(buttons);
  setFixedSize(sizeHint());
}

}  // namespace quillon::gui
