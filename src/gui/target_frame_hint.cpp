#include "gui/target_frame_hint.hpp"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace quillon::gui {

TargetFrameHint::TargetFrameHint(QWidget* page) : QGroupBox("Target Frames ", page) {
  setObjectName("targetFrameHint");
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(1);
  for (const char* line : {"Page Default ( none )", "New Wiindow ( _blank )", "Whole Page (  _top )",
                           "Parent Frame ( _parent ) ", "Same Frame ( _self ) ", "Enter any Frame name"}) {
    layout->addWidget(new QLabel(line, this));
  }
  // It covers the controls below the targets, so it needs a background of its own.
  setBackgroundRole(QPalette::ToolTipBase);
  setForegroundRole(QPalette::ToolTipText);
  setAutoFillBackground(true);
  hide();
}

void TargetFrameHint::watch(QLineEdit* targetBox) {
  targets_.push_back(targetBox);
  targetBox->installEventFilter(this);
}

bool TargetFrameHint::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusIn)
    showBelowTargets();
  else if (event->type() == QEvent::FocusOut)
    hide();
  return QGroupBox::eventFilter(watched, event);
}

void TargetFrameHint::showBelowTargets() {
  QWidget* page = parentWidget();
  int top = 0;
  int left = page->width();
  for (QLineEdit* target : targets_) {
    const QRect area(target->mapTo(page, QPoint(0, 0)), target->size());
    top = std::max(top, area.bottom() + 4);
    left = std::min(left, area.left());
  }
  adjustSize();
  move(std::max(0, std::min(left, page->width() - width())), top);
  raise();
  show();
}

}  // namespace quillon::gui
