#pragma once
// Shows the upload report of the last save, line by line.
#include <QDialog>
#include <string>

#include "ports/user_interface.hpp"

class QLabel;
class QListWidget;
class QPushButton;

namespace quillon::gui {

class UploadReportDialog : public QDialog {
  Q_OBJECT
 public:
  explicit UploadReportDialog(UserInterface& ui, QWidget* parent = nullptr);

  // Fills the list from the report afresh and shows the window until closed.
  void showReport(const std::string& reportPath);
  // The list holds the report's lines, or a hint when there is no report yet.
  void loadUploadReport(const std::string& reportPath);

  QListWidget* list() const { return list_; }
  QPushButton* exitButton() const { return exitButton_; }

 private:
  UserInterface& ui_;
  QListWidget* list_;
  QPushButton* exitButton_;
};

}  // namespace quillon::gui
