#pragma once
// The line at the bottom of the main window: what the program is doing, and a
// strip that shows it is still at work.
#include <QStatusBar>
#include <QTimer>

class QFrame;
class QLabel;

namespace quillon::gui {

class StatusLine : public QStatusBar {
  Q_OBJECT
 public:
  static constexpr int kHeight = 19;
  static constexpr int kStripWidth = 390;

  explicit StatusLine(QWidget* parent = nullptr);

  // progress is 0..100 for a strip of that share, or -1 for none.
  void showText(const QString& text, int progress = -1);
  // While busy without a progress figure, the strip starts full and shrinks
  // by 10 pixels a second, so that a long step is seen to go on.
  void setBusy(bool busy);

  QString text() const;
  bool stripShown() const;
  int stripWidth() const;

 private:
  void showStrip(int width);
  void hideStrip();
  void shrink();

  QLabel* text_;
  QFrame* strip_;
  QTimer timer_;
  bool busy_ = false;
  bool progressShown_ = false;
};

}  // namespace quillon::gui
