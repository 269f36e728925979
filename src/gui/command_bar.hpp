#pragma once
// The row of command buttons across the top of the main window: each button
// has its caption under it; both share the hint and the command, and the
// caption turns maroon while the mouse is over either.
#include <QLabel>
#include <QWidget>

class QAction;
class QHBoxLayout;
class QToolButton;

namespace quillon::gui {

class HoverHighlight;

// A caption that runs its command when clicked, as the button beside it does.
class CommandCaption : public QLabel {
  Q_OBJECT
 public:
  explicit CommandCaption(QAction& action, QWidget* parent = nullptr);

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QAction& action_;
};

class CommandBar : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 57;

  explicit CommandBar(QWidget* parent = nullptr);

  // The button takes the action's icon, hint and enabled state. Commands added
  // after `pushRight()` sit at the bar's right edge.
  void addCommand(QAction& action, const QString& caption);
  void pushRight();

  QToolButton* button(const QString& caption) const;
  QLabel* caption(const QString& caption) const;

 private:
  QHBoxLayout* row_;
  HoverHighlight* highlight_;
};

}  // namespace quillon::gui
