#include "gui/insert_node_dialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace quillon::gui {

InsertNodeDialog::InsertNodeDialog(QWidget* parent)
    : QDialog(parent),
      above_(new QPushButton("&Above", this)),
      below_(new QPushButton("&Below", this)),
      cancel_(new QPushButton("&Cancel", this)) {
  setWindowTitle("Confirm");
  setModal(true);

  auto* icon = new QLabel(this);
  icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
  auto* text = new QLabel("Insert a new node on the same level - Above or Below the selected node?", this);
  text->setWordWrap(true);

  auto* message = new QHBoxLayout;
  message->addWidget(icon, 0, Qt::AlignTop);
  message->addWidget(text, 1);

  above_->setToolTip("Insert the new node directly above the selected node.");
  below_->setToolTip("Insert the new node as the last node of the selected node's level.");
  cancel_->setToolTip("Insert no node.");
  above_->setDefault(true);
  above_->setAutoDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (QPushButton* button : {above_, below_, cancel_}) buttons->addWidget(button);
  buttons->addStretch(1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(message);
  layout->addLayout(buttons);
  setFixedSize(sizeHint().expandedTo(QSize(360, 0)));

  connect(above_, &QPushButton::clicked, this, [this] { choose(InsertPosition::Above); });
  connect(below_, &QPushButton::clicked, this, [this] { choose(InsertPosition::Below); });
  connect(cancel_, &QPushButton::clicked, this, [this] { choose(InsertPosition::Cancel); });
}

void InsertNodeDialog::choose(InsertPosition position) {
  answer_ = position;
  position == InsertPosition::Cancel ? reject() : accept();
}

InsertPosition InsertNodeDialog::ask() {
  answer_ = InsertPosition::Cancel;
  above_->setFocus();
  exec();
  return answer_;
}

}  // namespace quillon::gui
