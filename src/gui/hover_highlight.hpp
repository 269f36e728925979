#pragma once
// Command captions turn maroon while the mouse is over the command's button or
// its caption, and back to black when it leaves.
#include <QColor>
#include <QObject>
#include <QPointer>
#include <vector>

class QLabel;
class QWidget;

namespace quillon::gui {

inline const QColor kHighlightColor{128, 0, 0};  // maroon
inline const QColor kNormalColor{0, 0, 0};

// Paints a label's text in the colour.
void setLabelColor(QLabel& label, const QColor& color);

class HoverHighlight : public QObject {
  Q_OBJECT
 public:
  explicit HoverHighlight(QObject* parent = nullptr) : QObject(parent) {}

  // The caption lights up while the mouse is over any of the widgets.
  void watch(QLabel& caption, std::vector<QWidget*> widgets);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Watched {
    QPointer<QWidget> widget;
    QPointer<QLabel> caption;
  };
  std::vector<Watched> watched_;
};

}  // namespace quillon::gui
