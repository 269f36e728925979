#include "gui/status_line.hpp"

#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <algorithm>

namespace quillon::gui {

StatusLine::StatusLine(QWidget* parent)
    : QStatusBar(parent), text_(new QLabel("Ready.", this)), strip_(new QFrame(this)) {
  setFixedHeight(kHeight);
  setSizeGripEnabled(true);
  text_->setToolTip("What the Commander is doing.");
  addWidget(text_, 1);
  strip_->setFixedHeight(kHeight - 8);
  strip_->setAutoFillBackground(true);
  QPalette palette = strip_->palette();
  palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
  strip_->setPalette(palette);
  strip_->setToolTip("Progress of the current step.");
  addPermanentWidget(strip_);
  strip_->hide();
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &StatusLine::shrink);
}

void StatusLine::showText(const QString& text, int progress) {
  text_->setText(text);
  progressShown_ = progress >= 0;
  if (progressShown_) {
    timer_.stop();
    showStrip(kStripWidth * std::min(progress, 100) / 100);
  } else if (busy_) {
    showStrip(kStripWidth);
    timer_.start();
  } else {
    hideStrip();
  }
}

void StatusLine::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (progressShown_) return;
  if (busy_) {
    showStrip(kStripWidth);
    timer_.start();
  } else {
    hideStrip();
  }
}

QString StatusLine::text() const { return text_->text(); }

bool StatusLine::stripShown() const { return !strip_->isHidden(); }

int StatusLine::stripWidth() const { return strip_->width(); }

void StatusLine::showStrip(int width) {
  strip_->setFixedWidth(std::max(width, 1));
  strip_->show();
}

void StatusLine::hideStrip() {
  timer_.stop();
  strip_->hide();
}

void StatusLine::shrink() {
  if (strip_->width() > 10) strip_->setFixedWidth(strip_->width() - 10);
}

}  // namespace quillon::gui
