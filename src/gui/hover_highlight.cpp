#include "gui/hover_highlight.hpp"

#include <QEvent>
#include <QLabel>
#include <QPalette>

namespace quillon::gui {

void setLabelColor(QLabel& label, const QColor& color) {
  QPalette palette = label.palette();
  palette.setColor(QPalette::WindowText, color);
  label.setPalette(palette);
}

void HoverHighlight::watch(QLabel& caption, std::vector<QWidget*> widgets) {
  setLabelColor(caption, kNormalColor);
  for (QWidget* widget : widgets) {
    widget->installEventFilter(this);
    watched_.push_back({widget, &caption});
  }
}

bool HoverHighlight::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter || event->type() == QEvent::Leave) {
    for (const Watched& entry : watched_) {
      if (entry.widget != watched || !entry.caption) continue;
      setLabelColor(*entry.caption, event->type() == QEvent::Enter ? kHighlightColor : kNormalColor);
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quillon::gui
