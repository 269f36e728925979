#include "gui/command_row.hpp"

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <stdexcept>

#include "format/text_helpers.hpp"

#include "gui/command_icons.hpp"
#include "gui/hover_highlight.hpp"

namespace quillon::gui {

namespace {

constexpr int kStep = 10;

// A caption that clicks the button beside it.
class RowCaption : public QLabel {
 public:
  RowCaption(const QString& text, QPushButton& button) : QLabel(text), button_(button) {
    setCursor(Qt::PointingHandCursor);
  }

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && button_.isEnabled()) {
      button_.click();
    }
    QLabel::mouseReleaseEvent(event);
  }

 private:
  QPushButton& button_;
};

struct RowEntry {
  CommandIcon icon;
  const char* caption;
  const char* buttonName;
  const char* captionName;
};

constexpr RowEntry kEntries[] = {
    {CommandIcon::Save, "Save", "btnSave", "lblSave"},
    {CommandIcon::Preview, "Preview", "btnPreview", "lblPreview"},
    {CommandIcon::Help, "Help", "btnHelp", "lblHelp"},
    {CommandIcon::Exit, "Exit", "btnExit", "lblExit"},
};

}  // namespace

void openHelpPage(const PageWindowPorts& ports, const std::string& page) {
  try {
    ports.browser.open(localPathToFileURL(ports.programFolder + page));
  } catch (const std::exception& error) {
    ports.ui.message(MessageKind::Error, error.what());
  }
}

ProgressStrip::ProgressStrip(int fullWidth, QWidget* parent)
    : QWidget(parent), fullWidth_(fullWidth), width_(fullWidth) {
  setObjectName("ProgressBar");
  setFixedHeight(kHeight);
  setMinimumWidth(fullWidth);
  timer_.setInterval(1000);
  connect(&timer_, &QTimer::timeout, this, &ProgressStrip::tick);
  // Kept in the layout while hidden, so the row does not jump when it shows.
  QSizePolicy policy = sizePolicy();
  policy.setRetainSizeWhenHidden(true);
  setSizePolicy(policy);
  hide();
}

void ProgressStrip::start() {
  width_ = fullWidth_;
  show();
  update();
  timer_.start();
  QApplication::processEvents();
}

void ProgressStrip::stop() {
  timer_.stop();
  hide();
  width_ = fullWidth_;
  QApplication::processEvents();
}

void ProgressStrip::tick() {
  if (width_ > kStep) width_ -= kStep;
  update();
}

void ProgressStrip::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QColor block = palette().color(QPalette::Highlight);
  // Blocks of 8 with a gap of 2, as the strip of a file copy.
  for (int x = 0; x + 8 <= width_; x += kStep) painter.fillRect(x, 1, 8, kHeight - 2, block);
}

CommandRow::CommandRow(const QString& saveHint, const QString& previewHint, const QString& helpHint,
                       const QString& exitHint, QWidget* parent)
    : QWidget(parent), highlight_(new HoverHighlight(this)) {
  const QString hints[] = {saveHint, previewHint, helpHint, exitHint};
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  for (std::size_t i = 0; i < std::size(kEntries); ++i) {
    const RowEntry& entry = kEntries[i];
    auto* button = new QPushButton(this);
    button->setObjectName(entry.buttonName);
    button->setIcon(commandIcon(entry.icon));
    button->setIconSize(QSize(24, 24));
    button->setAccessibleName(entry.caption);
    button->setToolTip(hints[i]);
    button->setAutoDefault(false);
    auto* caption = new RowCaption(entry.caption, *button);
    caption->setObjectName(entry.captionName);
    caption->setToolTip(hints[i]);
    highlight_->watch(*caption, {button, caption});
    buttons_[i] = button;
    captions_[i] = caption;
    if (i > 0) row->addSpacing(12);
    row->addWidget(button);
    row->addWidget(caption);
  }
  row->addStretch(1);
}

void CommandRow::onCommand(RowCommand command, const std::function<void()>& run) {
  connect(button(command), &QPushButton::clicked, this, [run] { run(); });
}

}  // namespace quillon::gui
