#include "gui/target_frame_hint.hpp"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/hint_placement.hpp"

namespace quillon::gui {

TargetFrameHint::TargetFrameHint(QWidget* page) : QGroupBox("Target Frames ", page) {
  setObjectName("targetFrameHint");
  // A window that never takes the focus from the target box it explains.
  setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
  setAttribute(Qt::WA_ShowWithoutActivating);
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(1);
  for (const char* line : {"Page Default ( none )", "New Wiindow ( _blank )", "Whole Page (  _top )",
                           "Parent Frame ( _parent ) ", "Same Frame ( _self ) ", "Enter any Frame name"}) {
    layout->addWidget(new QLabel(line, this));
  }
  // Where it falls back onto the page it covers controls, so it needs a background of its own.
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
  if (watched == followed_) {
    switch (event->type()) {
      case QEvent::Move:
      case QEvent::Resize:
        if (isVisible()) place();
        break;
      case QEvent::Hide:
        hide();
        break;
      case QEvent::WindowStateChange:
        if (followed_->isMinimized()) hide();
        break;
      default:
        break;
    }
  } else if (event->type() == QEvent::FocusIn) {
    showFor(static_cast<QLineEdit*>(watched));
  } else if (event->type() == QEvent::FocusOut) {
    hide();
  }
  return QGroupBox::eventFilter(watched, event);
}

void TargetFrameHint::showFor(QLineEdit* target) {
  focused_ = target;
  followWindow(target->window());
  adjustSize();
  place();
  show();
  raise();
}

// The pages join the main window after they are built, so the window is known only at the first focus.
void TargetFrameHint::followWindow(QWidget* window) {
  if (followed_ == window) return;
  if (followed_) followed_->removeEventFilter(this);
  followed_ = window;
  window->installEventFilter(this);
}

void TargetFrameHint::place() {
  const QScreen* screen = followed_->screen();
  const std::optional<QPoint> beside =
      screen ? placeBesideWindow(followed_->frameGeometry(), focused_->mapToGlobal(QPoint(0, 0)).y(), size(),
                                 screen->availableGeometry())
             : std::nullopt;
  move(beside.value_or(belowTargets()));
}

QPoint TargetFrameHint::belowTargets() const {
  QWidget* page = parentWidget();
  int top = 0;
  int left = page->width();
  for (QLineEdit* target : targets_) {
    const QRect area(target->mapTo(page, QPoint(0, 0)), target->size());
    top = std::max(top, area.bottom() + 4);
    left = std::min(left, area.left());
  }
  return page->mapToGlobal(QPoint(std::max(0, std::min(left, page->width() - width())), top));
}

}  // namespace quillon::gui
