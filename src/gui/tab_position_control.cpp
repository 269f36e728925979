#include "gui/tab_position_control.hpp"

#include <QHBoxLayout>
#include <QToolButton>
#include <algorithm>

namespace quillon::gui {

namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name, const char* hint, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(arrow);
  button->setObjectName(name);
  button->setToolTip(hint);
  button->setAutoRepeat(true);
  return button;
}

}  // namespace

TabPositionControl::TabPositionControl(QWidget* parent)
    : QWidget(parent),
      left_(arrowButton(Qt::LeftArrow, "tabMoveLeft", "Move the tab one place to the left.", this)),
      right_(arrowButton(Qt::RightArrow, "tabMoveRight", "Move the tab one place to the right.", this)) {
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(left_);
  layout->addWidget(right_);
  connect(left_, &QToolButton::clicked, this, [this] { step(-1); });
  connect(right_, &QToolButton::clicked, this, [this] { step(1); });
  updateButtons();
}

void TabPositionControl::setRange(int tabCount, int position) {
  maximum_ = std::max(tabCount - 1, 0);
  position_ = std::clamp(position, 0, maximum_);
  updateButtons();
}

void TabPositionControl::step(int by) {
  const int next = std::clamp(position_ + by, 0, maximum_);
  if (next == position_) return;
  position_ = next;
  updateButtons();
  Q_EMIT positionChanged(position_);
}

void TabPositionControl::updateButtons() {
  left_->setEnabled(position_ > 0);
  right_->setEnabled(position_ < maximum_);
}

}  // namespace quillon::gui
