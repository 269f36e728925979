#include "gui/qt_user_interface.hpp"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>

#include "gui/file_filter.hpp"
#include "gui/insert_node_dialog.hpp"
#include "gui/qt_color.hpp"
#include "gui/qt_text.hpp"
#include "gui/status_line.hpp"

namespace quillon::gui {

namespace {

// A dialog shown during long work gets the ordinary pointer back, and the
// progress strip rests, while it is up: nothing works while the user is asked.
class ArrowCursorWhileAsking {
 public:
  ArrowCursorWhileAsking(bool busy, StatusLine* status) : busy_(busy), status_(status) {
    if (!busy_) return;
    QApplication::setOverrideCursor(Qt::ArrowCursor);
    if (status_) status_->setBusy(false);
  }
  ~ArrowCursorWhileAsking() {
    if (!busy_) return;
    QApplication::restoreOverrideCursor();
    if (status_) status_->setBusy(true);
  }
  ArrowCursorWhileAsking(const ArrowCursorWhileAsking&) = delete;
  ArrowCursorWhileAsking& operator=(const ArrowCursorWhileAsking&) = delete;

 private:
  bool busy_;
  QPointer<StatusLine> status_;
};

QMessageBox::Icon iconFor(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return QMessageBox::Information;
    case MessageKind::Confirmation: return QMessageBox::Question;
    case MessageKind::Error: return QMessageBox::Critical;
    case MessageKind::Warning: break;
  }
  return QMessageBox::Warning;
}

QString titleFor(MessageKind kind) {
  switch (kind) {
    case MessageKind::Information: return "Information";
    case MessageKind::Confirmation: return "Confirm";
    case MessageKind::Error: return "Error";
    case MessageKind::Warning: break;
  }
  return "Warning";
}

QFileDialog::FileMode openMode(const FileDialogRequest& request) {
  if (request.multiSelect) return QFileDialog::ExistingFiles;
  return request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile;
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
  dialog.setWindowTitle(toQString(request.title));
  const QString filter = qtFileFilter(request.filter);
  if (!filter.isEmpty()) dialog.setNameFilter(filter);
  if (!request.initialDir.empty()) dialog.setDirectory(toQString(request.initialDir));
  if (!request.fileName.empty()) dialog.selectFile(toQString(request.fileName));
  QString suffix = toQString(request.defaultExtension);
  while (suffix.startsWith('.')) suffix.remove(0, 1);
  if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
}

std::vector<std::string> chosenFiles(QFileDialog& dialog) {
  std::vector<std::string> files;
  if (dialog.exec() != QDialog::Accepted) return files;
  for (const QString& file : dialog.selectedFiles()) files.push_back(toBytes(file));
  return files;
}

}  // namespace

QtUserInterface::QtUserInterface() = default;

QtUserInterface::~QtUserInterface() {
  while (busyDepth_ > 0) setBusy(false);
}

void QtUserInterface::attach(QWidget* window, StatusLine* statusLine) {
  window_ = window;
  status_ = statusLine;
}

void QtUserInterface::message(MessageKind kind, const std::string& text) { ask(kind, text, Buttons::Ok); }

Answer QtUserInterface::ask(MessageKind kind, const std::string& text, Buttons buttons) {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  QMessageBox box(iconFor(kind), titleFor(kind), toQString(text), QMessageBox::NoButton, window_);
  box.setTextFormat(Qt::PlainText);
  switch (buttons) {
    case Buttons::Ok:
      box.setStandardButtons(QMessageBox::Ok);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Ok);
      break;
    case Buttons::YesNo:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::No);
      break;
    case Buttons::OkCancel:
      box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Ok);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
    case Buttons::YesNoCancel:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
      box.setDefaultButton(QMessageBox::Yes);
      box.setEscapeButton(QMessageBox::Cancel);
      break;
  }
  box.exec();
  switch (box.standardButton(box.clickedButton())) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Ok: return Answer::Ok;
    default: break;
  }
  return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

std::optional<std::string> QtUserInterface::openFile(const FileDialogRequest& request) {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  FileDialogRequest single = request;
  single.multiSelect = false;
  QFileDialog dialog(window_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(openMode(single));
  prepare(dialog, single);
  std::vector<std::string> files = chosenFiles(dialog);
  if (files.empty()) return std::nullopt;
  return files.front();
}

std::optional<std::string> QtUserInterface::saveFile(const FileDialogRequest& request) {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  QFileDialog dialog(window_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.askBeforeOverwrite);
  prepare(dialog, request);
  std::vector<std::string> files = chosenFiles(dialog);
  if (files.empty()) return std::nullopt;
  return files.front();
}

std::vector<std::string> QtUserInterface::openFiles(const FileDialogRequest& request) {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  FileDialogRequest multiple = request;
  multiple.multiSelect = true;
  QFileDialog dialog(window_);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(openMode(multiple));
  prepare(dialog, multiple);
  return chosenFiles(dialog);
}

std::optional<std::string> QtUserInterface::chooseFolder(const std::string& title, const std::string& initialDir) {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  const QString folder = QFileDialog::getExistingDirectory(window_, toQString(title), toQString(initialDir));
  if (folder.isEmpty()) return std::nullopt;
  return toBytes(folder);
}

std::optional<std::uint32_t> QtUserInterface::chooseColor(std::uint32_t initial) {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  if (!colorDialog_) colorDialog_ = new QColorDialog(window_);
  colorDialog_->setCurrentColor(toQColor(initial));
  if (colorDialog_->exec() != QDialog::Accepted) return std::nullopt;
  return fromQColor(colorDialog_->selectedColor());
}

std::optional<FontChoice> QtUserInterface::chooseFont(const FontChoice& initial) {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  QFont font(toQString(initial.face));
  bool sizeRead = false;
  const int size = toQString(initial.size).toInt(&sizeRead);
  if (sizeRead && size > 0) font.setPointSize(size);
  bool chosen = false;
  const QFont result = QFontDialog::getFont(&chosen, font, window_);
  if (!chosen) return std::nullopt;
  return FontChoice{toBytes(result.family()), std::to_string(result.pointSize())};
}

InsertPosition QtUserInterface::askInsertPosition() {
  ArrowCursorWhileAsking arrow(busyDepth_ > 0, status_);
  InsertNodeDialog dialog(window_);
  return dialog.ask();
}

void QtUserInterface::showStatus(const std::string& text, int progress) {
  if (!status_) return;
  status_->showText(toQString(text), progress);
  status_->repaint();
}

void QtUserInterface::setBusy(bool busy) {
  if (busy) {
    if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (busyDepth_ > 0) {
    if (--busyDepth_ == 0) QApplication::restoreOverrideCursor();
  }
  if (status_) status_->setBusy(busyDepth_ > 0);
}

void QtUserInterface::processEvents() {
  const bool ownModalWindowUp = QApplication::activeModalWidget() != nullptr;
  QApplication::processEvents(ownModalWindowUp ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

}  // namespace quillon::gui
