#pragma once
// The "Target Frames " box: it lists the frame names a target box takes and
// stands on its page while one of the page's target boxes has the focus.
#include <QGroupBox>
#include <vector>

class QLineEdit;

namespace quillon::gui {

class TargetFrameHint : public QGroupBox {
  Q_OBJECT

 public:
  // The box floats over `page`, below the lowest watched target box.
  explicit TargetFrameHint(QWidget* page);

  void watch(QLineEdit* targetBox);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showBelowTargets();

  std::vector<QLineEdit*> targets_;
};

}  // namespace quillon::gui
