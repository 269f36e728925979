#include "gui/tree_style_icons.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

namespace quillon::gui {

namespace {

constexpr int kSize = 22;
const QColor kInk(0x20, 0x20, 0x20);
const QColor kFolder(0xE8, 0xB8, 0x40);

void triangle(QPainter& p, QPointF a, QPointF b, QPointF c) {
  p.setBrush(kInk);
  p.drawPolygon(QPolygonF({a, b, c}));
}

void box(QPainter& p) {
  p.setBrush(Qt::white);
  p.drawRect(QRectF(4.5, 4.5, 13, 13));
}

void treeLines(QPainter& p, Qt::PenStyle style) {
  p.setPen(QPen(kInk, 1, style));
  p.drawLine(QPointF(6.5, 3), QPointF(6.5, 18));
  p.drawLine(QPointF(6.5, 8.5), QPointF(16, 8.5));
  p.drawLine(QPointF(6.5, 17.5), QPointF(16, 17.5));
}

// Three short strokes standing for a node's caption.
void captionStrokes(QPainter& p, qreal left, qreal baseline) {
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(QPointF(left, baseline), QPointF(left + 12, baseline));
}

void draw(QPainter& p, TreeStyleButton button) {
  using B = TreeStyleButton;
  p.setPen(QPen(kInk, 1));
  switch (button) {
    case B::TogglePlain:
      p.setPen(QPen(kInk, 2));
      p.drawLine(QPointF(6, 11), QPointF(16, 11));
      p.drawLine(QPointF(11, 6), QPointF(11, 16));
      break;
    case B::ToggleBoxLeftArrow:
      box(p);
      triangle(p, {8, 11}, {14, 7.5}, {14, 14.5});
      break;
    case B::ToggleBoxDownArrow:
      box(p);
      triangle(p, {7.5, 8}, {14.5, 8}, {11, 14});
      break;
    case B::ToggleBoxUpArrow:
      box(p);
      triangle(p, {7.5, 14}, {14.5, 14}, {11, 8});
      break;
    case B::ToggleArrowDown: triangle(p, {5, 7}, {17, 7}, {11, 16}); break;
    case B::ToggleArrowUp: triangle(p, {5, 16}, {17, 16}, {11, 7}); break;
    case B::LeafSymbol:
      p.setBrush(kInk);
      p.drawEllipse(QPointF(11, 11), 3.5, 3.5);
      break;
    case B::LinesSolid: treeLines(p, Qt::SolidLine); break;
    case B::LinesDotted: treeLines(p, Qt::DotLine); break;
    case B::Icons: {
      QPainterPath folder;
      folder.moveTo(3.5, 6.5);
      folder.lineTo(9, 6.5);
      folder.lineTo(10.5, 8.5);
      folder.lineTo(18.5, 8.5);
      folder.lineTo(18.5, 17.5);
      folder.lineTo(3.5, 17.5);
      folder.closeSubpath();
      p.setBrush(kFolder);
      p.drawPath(folder);
      break;
    }
    case B::MouseOverFrame:
      p.setBrush(Qt::NoBrush);
      p.drawRect(QRectF(2.5, 6.5, 17, 9));
      captionStrokes(p, 5, 11);
      break;
    case B::MouseOverUnderline:
      captionStrokes(p, 5, 10);
      p.drawLine(QPointF(3, 15.5), QPointF(19, 15.5));
      break;
  }
}

}  // namespace

QIcon treeStyleIcon(TreeStyleButton button) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  draw(painter, button);
  painter.end();
  return QIcon(pixmap);
}

}  // namespace quillon::gui
