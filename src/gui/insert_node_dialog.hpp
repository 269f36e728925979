#pragma once
// Asks where a new node goes: above the selected node or at the end of its level.
#include <QDialog>

#include "ports/user_interface.hpp"

class QPushButton;

namespace quillon::gui {

class InsertNodeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit InsertNodeDialog(QWidget* parent = nullptr);

  // Shows the dialog and waits for the answer; closing it is Cancel.
  InsertPosition ask();
  InsertPosition answer() const { return answer_; }

  QPushButton* aboveButton() const { return above_; }
  QPushButton* belowButton() const { return below_; }
  QPushButton* cancelButton() const { return cancel_; }

 private:
  void choose(InsertPosition position);

  QPushButton* above_;
  QPushButton* below_;
  QPushButton* cancel_;
  InsertPosition answer_ = InsertPosition::Cancel;
};

}  // namespace quillon::gui
