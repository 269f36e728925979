#include "gui/command_bar.hpp"

#include <QAction>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/hover_highlight.hpp"

namespace quillon::gui {

CommandCaption::CommandCaption(QAction& action, QWidget* parent) : QLabel(parent), action_(action) {
  const auto follow = [this] {
    setEnabled(action_.isEnabled());
    setToolTip(action_.toolTip());
    setStatusTip(action_.statusTip());
  };
  follow();
  connect(&action_, &QAction::changed, this, follow);
}

void CommandCaption::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && action_.isEnabled()) {
    action_.trigger();
  }
  QLabel::mouseReleaseEvent(event);
}

CommandBar::CommandBar(QWidget* parent)
    : QWidget(parent), row_(new QHBoxLayout(this)), highlight_(new HoverHighlight(this)) {
  setFixedHeight(kHeight);
  row_->setContentsMargins(4, 2, 5, 2);
  row_->setSpacing(6);
}

void CommandBar::addCommand(QAction& action, const QString& captionText) {
  auto* cell = new QWidget(this);
  auto* column = new QVBoxLayout(cell);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* button = new QToolButton(cell);
  button->setDefaultAction(&action);
  button->setAutoRaise(true);
  button->setIconSize(QSize(24, 24));
  button->setFocusPolicy(Qt::NoFocus);
  button->setObjectName("btn" + captionText);

  auto* label = new CommandCaption(action, cell);
  label->setText(captionText);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  QFont small = label->font();
  small.setPointSizeF(small.pointSizeF() * 0.85);
  label->setFont(small);
  label->setObjectName("lbl" + captionText);

  column->addWidget(button, 0, Qt::AlignHCenter);
  column->addWidget(label, 0, Qt::AlignHCenter);
  row_->addWidget(cell);
  highlight_->watch(*label, {button, label});
}

void CommandBar::pushRight() { row_->addStretch(1); }

QToolButton* CommandBar::button(const QString& captionText) const {
  return findChild<QToolButton*>("btn" + captionText);
}

QLabel* CommandBar::caption(const QString& captionText) const { return findChild<QLabel*>("lbl" + captionText); }

}  // namespace quillon::gui
