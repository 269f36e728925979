#pragma once
// The desktop's answer to what the logic asks: Qt message boxes and file,
// folder, colour and font dialogs over the main window, its status line, the
// busy cursor and a chance for the window to repaint.
#include <QPointer>

#include "ports/user_interface.hpp"

class QColorDialog;
class QWidget;

namespace quillon::gui {

class StatusLine;

class QtUserInterface : public UserInterface {
 public:
  QtUserInterface();
  ~QtUserInterface() override;
  QtUserInterface(const QtUserInterface&) = delete;
  QtUserInterface& operator=(const QtUserInterface&) = delete;

  // The window the dialogs stand over and the line the status goes to.
  void attach(QWidget* window, StatusLine* statusLine);

  void message(MessageKind kind, const std::string& text) override;
  Answer ask(MessageKind kind, const std::string& text, Buttons buttons) override;
  std::optional<std::string> openFile(const FileDialogRequest& request) override;
  std::optional<std::string> saveFile(const FileDialogRequest& request) override;
  std::vector<std::string> openFiles(const FileDialogRequest& request) override;
  std::optional<std::string> chooseFolder(const std::string& title, const std::string& initialDir) override;
  std::optional<std::uint32_t> chooseColor(std::uint32_t initial) override;
  std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
  InsertPosition askInsertPosition() override;
  void showStatus(const std::string& text, int progress) override;
  void setBusy(bool busy) override;
  // Paints and runs timers; the user's input waits for the running command to
  // end, unless a modal window of its own (with an Abort button) is up.
  void processEvents() override;

 private:
  QPointer<QWidget> window_;
  QPointer<StatusLine> status_;
  // One colour dialog for the whole run, so that its custom colours stay.
  QPointer<QColorDialog> colorDialog_;
  int busyDepth_ = 0;
};

}  // namespace quillon::gui
