#pragma once
// The "Target Frames " box: it lists the frame names a target box takes and
// stands while one of the page's target boxes has the focus. It is a window
// of its own beside the main window, since the page has no free area for it.
#include <QGroupBox>
#include <QPointer>
#include <vector>

class QLineEdit;

namespace quillon::gui {

class TargetFrameHint : public QGroupBox {
  Q_OBJECT

 public:
  // Beside `page`'s window; below the lowest watched target box on the page
  // when the screen has no room on either side of the window.
  explicit TargetFrameHint(QWidget* page);

  void watch(QLineEdit* targetBox);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showFor(QLineEdit* target);
  void followWindow(QWidget* window);
  void place();
  QPoint belowTargets() const;

  std::vector<QLineEdit*> targets_;
  QLineEdit* focused_ = nullptr;
  QPointer<QWidget> followed_;
};

}  // namespace quillon::gui
