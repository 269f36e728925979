#pragma once
// The tab position control: a horizontal up/down pair without wrap-around
// that moves the current tab one place left or right.
#include <QWidget>

class QToolButton;

namespace quillon::gui {

class TabPositionControl : public QWidget {
  Q_OBJECT

 public:
  explicit TabPositionControl(QWidget* parent = nullptr);

  // Sets the range 0..count-1 and the position, without a signal.
  void setRange(int tabCount, int position);
  int position() const { return position_; }
  int maximum() const { return maximum_; }

 Q_SIGNALS:
  void positionChanged(int position);

 private:
  void step(int by);
  void updateButtons();

  QToolButton* left_;
  QToolButton* right_;
  int position_ = 0;
  int maximum_ = 0;
};

}  // namespace quillon::gui
