#include "gui/upload_report_dialog.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>
#include <fstream>

#include "gui/command_icons.hpp"
#include "gui/hover_highlight.hpp"
#include "gui/qt_text.hpp"

namespace quillon::gui {

namespace {

const char* const kNoReportText = "You need to save your work to generate Upload Report!";

// A caption that closes the window, as the button beside it does.
class ExitCaption : public QLabel {
 public:
  ExitCaption(QDialog& dialog, QWidget* parent) : QLabel("Exit", parent), dialog_(dialog) {}

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) dialog_.accept();
    QLabel::mouseReleaseEvent(event);
  }

 private:
  QDialog& dialog_;
};

}  // namespace

UploadReportDialog::UploadReportDialog(UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui), list_(new QListWidget(this)), exitButton_(new QPushButton(this)) {
  setWindowTitle("Upload Report");
  resize(600, 413);

  list_->setObjectName("ListBox1");
  list_->setToolTip("The complete list of files that need to be uploaded. Print it for future reference.");
  list_->setStatusTip(list_->toolTip());

  auto* tip = new QLabel("Tip: To print, open the Upload Report file with Wordpad or Notepad.", this);
  QFont bold = tip->font();
  bold.setBold(true);
  tip->setFont(bold);

  exitButton_->setObjectName("btnExit");
  exitButton_->setIcon(commandIcon(CommandIcon::Exit));
  exitButton_->setIconSize(QSize(24, 24));
  exitButton_->setAccessibleName("Exit");
  exitButton_->setToolTip("Exit Commander.");
  auto* exitCaption = new ExitCaption(*this, this);
  exitCaption->setObjectName("lblExit");
  exitCaption->setToolTip(exitButton_->toolTip());
  auto* highlight = new HoverHighlight(this);
  highlight->watch(*exitCaption, {exitButton_, exitCaption});
  connect(exitButton_, &QPushButton::clicked, this, &QDialog::accept);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(tip, 1);
  bottom->addWidget(exitButton_);
  bottom->addWidget(exitCaption);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_, 1);
  layout->addLayout(bottom);
  exitButton_->setDefault(true);
}

void UploadReportDialog::loadUploadReport(const std::string& reportPath) {
  list_->clear();
  std::error_code error;
  if (reportPath.empty() || !std::filesystem::is_regular_file(reportPath, error)) {
    list_->addItem(kNoReportText);
    return;
  }
  std::ifstream report(reportPath, std::ios::binary);
  if (!report) {
    ui_.message(MessageKind::Error, "Cannot open file \"" + reportPath + "\".");
    return;
  }
  QStringList lines;
  std::string line;
  while (std::getline(report, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines << toQString(line);
  }
  if (report.bad()) {
    ui_.message(MessageKind::Error, "Cannot read file \"" + reportPath + "\".");
    return;
  }
  list_->addItems(lines);
}

void UploadReportDialog::showReport(const std::string& reportPath) {
  loadUploadReport(reportPath);
  exitButton_->setFocus();
  exec();
}

}  // namespace quillon::gui
