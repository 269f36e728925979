#include "gui/command_icons.hpp"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <cmath>
#include <numbers>

namespace quillon::gui {

namespace {

// One palette for all twelve, drawn on a 24 x 24 grid with the same outline.
const QColor kOutline{46, 52, 64};
const QColor kPaper{255, 255, 255};
const QColor kPaperShade{222, 226, 232};
const QColor kBlue{52, 101, 164};
const QColor kLightBlue{114, 159, 207};
const QColor kYellow{237, 190, 70};
const QColor kDarkYellow{196, 150, 40};
const QColor kGreen{78, 154, 6};
const QColor kRed{204, 0, 0};
const QColor kBrown{143, 89, 2};
const QColor kGrey{136, 138, 133};

constexpr int kGrid = 24;

QPen outlinePen(qreal width = 1.2) { return QPen(kOutline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void page(QPainter& p, QRectF r, qreal fold) {
  QPainterPath path;
  path.moveTo(r.left(), r.top());
  path.lineTo(r.right() - fold, r.top());
  path.lineTo(r.right(), r.top() + fold);
  path.lineTo(r.right(), r.bottom());
  path.lineTo(r.left(), r.bottom());
  path.closeSubpath();
  p.setPen(outlinePen());
  p.setBrush(kPaper);
  p.drawPath(path);
  QPainterPath corner;
  corner.moveTo(r.right() - fold, r.top());
  corner.lineTo(r.right() - fold, r.top() + fold);
  corner.lineTo(r.right(), r.top() + fold);
  p.setBrush(kPaperShade);
  p.drawPath(corner);
}

void textLines(QPainter& p, qreal left, qreal right, qreal top, int count, qreal gap = 2.5) {
  p.setPen(QPen(kGrey, 1.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < count; ++i) p.drawLine(QPointF(left, top + i * gap), QPointF(right, top + i * gap));
}

void badge(QPainter& p, QPointF centre, qreal radius, const QColor& fill) {
  p.setPen(outlinePen());
  p.setBrush(fill);
  p.drawEllipse(centre, radius, radius);
}

void arrow(QPainter& p, QPointF from, QPointF to, const QColor& color, qreal width = 2.4) {
  const QLineF shaft(from, to);
  const qreal head = 4.5;
  QLineF back(to, from);
  back.setLength(head);
  QLineF left = back;
  left.setAngle(back.angle() + 40);
  QLineF right = back;
  right.setAngle(back.angle() - 40);
  p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QLineF(from, back.p2()));
  QPolygonF tip;
  tip << to << left.p2() << right.p2();
  p.setBrush(color);
  p.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPolygon(tip);
}

void browserWindow(QPainter& p, QRectF r) {
  p.setPen(outlinePen());
  p.setBrush(kPaper);
  p.drawRoundedRect(r, 1.5, 1.5);
  p.setBrush(kLightBlue);
  p.drawRect(QRectF(r.left(), r.top(), r.width(), 3.5));
}

void drawNew(QPainter& p) {
  page(p, QRectF(4.5, 2.5, 13, 18), 4);
  textLines(p, 7, 14, 9, 4);
  badge(p, QPointF(17.5, 17.5), 4.5, kGreen);
  p.setPen(QPen(kPaper, 1.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(17.5, 15), QPointF(17.5, 20));
  p.drawLine(QPointF(15, 17.5), QPointF(20, 17.5));
}

void drawOpen(QPainter& p) {
  QPainterPath back;
  back.moveTo(2.5, 5.5);
  back.lineTo(8.5, 5.5);
  back.lineTo(10.5, 7.5);
  back.lineTo(19.5, 7.5);
  back.lineTo(19.5, 19.5);
  back.lineTo(2.5, 19.5);
  back.closeSubpath();
  p.setPen(outlinePen());
  p.setBrush(kDarkYellow);
  p.drawPath(back);
  page(p, QRectF(5.5, 9, 11, 9), 0);
  QPainterPath flap;
  flap.moveTo(2.5, 19.5);
  flap.lineTo(6, 11.5);
  flap.lineTo(22, 11.5);
  flap.lineTo(19.5, 19.5);
  flap.closeSubpath();
  p.setBrush(kYellow);
  p.drawPath(flap);
}

void drawSave(QPainter& p) {
  QPainterPath body;
  body.moveTo(3.5, 3.5);
  body.lineTo(17.5, 3.5);
  body.lineTo(20.5, 6.5);
  body.lineTo(20.5, 20.5);
  body.lineTo(3.5, 20.5);
  body.closeSubpath();
  p.setPen(outlinePen());
  p.setBrush(kBlue);
  p.drawPath(body);
  p.setBrush(kPaper);
  p.drawRect(QRectF(6.5, 3.5, 10, 6.5));
  p.setBrush(kOutline);
  p.drawRect(QRectF(13, 4.8, 2, 3.8));
  p.setBrush(kPaperShade);
  p.drawRoundedRect(QRectF(6.5, 13, 11, 7.5), 1, 1);
  textLines(p, 8.5, 15.5, 15.5, 2);
}

void drawHelp(QPainter& p) {
  badge(p, QPointF(12, 12), 9, kBlue);
  QFont font("DejaVu Sans");
  font.setBold(true);
  font.setPixelSize(14);
  p.setFont(font);
  p.setPen(kPaper);
  p.drawText(QRectF(3, 3, 18, 18), Qt::AlignCenter, "?");
}

void drawDemo(QPainter& p) {
  badge(p, QPointF(12, 12), 9, kGreen);
  QPolygonF play;
  play << QPointF(9.5, 7) << QPointF(17, 12) << QPointF(9.5, 17);
  p.setPen(QPen(kPaper, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(kPaper);
  p.drawPolygon(play);
}

void drawPreview(QPainter& p) {
  browserWindow(p, QRectF(2.5, 3.5, 17, 14));
  textLines(p, 5, 12, 10, 3);
  p.setPen(QPen(kOutline, 2.6, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(18.5, 18.5), QPointF(21.5, 21.5));
  p.setPen(outlinePen(1.4));
  p.setBrush(QColor(255, 255, 255, 200));
  p.drawEllipse(QPointF(15.5, 15.5), 4.2, 4.2);
}

void drawClipboard(QPainter& p) {
  p.setPen(outlinePen());
  p.setBrush(kBrown);
  p.drawRoundedRect(QRectF(4.5, 4, 15, 18), 1.5, 1.5);
  p.setBrush(kPaper);
  p.drawRect(QRectF(6.5, 7, 11, 13));
  textLines(p, 8.5, 15.5, 10.5, 4);
  p.setPen(outlinePen());
  p.setBrush(kGrey);
  p.drawRoundedRect(QRectF(8.5, 2.5, 7, 3.5), 1, 1);
}

void drawUpload(QPainter& p) {
  QPainterPath tray;
  tray.moveTo(3.5, 13.5);
  tray.lineTo(3.5, 20.5);
  tray.lineTo(20.5, 20.5);
  tray.lineTo(20.5, 13.5);
  p.setPen(QPen(kOutline, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(tray);
  arrow(p, QPointF(12, 17.5), QPointF(12, 2.5), kBlue, 3.0);
}

void drawIndexer(QPainter& p) {
  p.setPen(QPen(kOutline, 1.2));
  p.drawLine(QPointF(12, 7.5), QPointF(12, 11.5));
  p.drawLine(QPointF(5, 11.5), QPointF(19, 11.5));
  p.drawLine(QPointF(5, 11.5), QPointF(5, 15.5));
  p.drawLine(QPointF(19, 11.5), QPointF(19, 15.5));
  p.drawLine(QPointF(12, 11.5), QPointF(12, 15.5));
  p.setPen(outlinePen());
  p.setBrush(kBlue);
  p.drawRect(QRectF(8.5, 2.5, 7, 5));
  p.setBrush(kLightBlue);
  for (qreal x : {2.0, 9.0, 16.0}) p.drawRect(QRectF(x + 0.5, 15.5, 6, 5));
}

void drawDeploy(QPainter& p) {
  browserWindow(p, QRectF(2.5, 3.5, 16, 14));
  p.setPen(outlinePen());
  p.setBrush(kLightBlue);
  p.drawRect(QRectF(2.5, 7, 5, 10.5));
  textLines(p, 9.5, 16, 10, 3);
  browserWindow(p, QRectF(12.5, 12.5, 9, 8));
}

void drawGenerate(QPainter& p) {
  QPainterPath gear;
  const QPointF centre(12, 12);
  constexpr int teeth = 8;
  for (int i = 0; i < teeth * 2; ++i) {
    const qreal angle = i * std::numbers::pi / teeth;
    const qreal radius = (i % 2 == 0) ? 9.5 : 7.0;
    const qreal spread = std::numbers::pi / teeth * 0.45;
    const QPointF a = centre + QPointF(radius * std::cos(angle - spread), radius * std::sin(angle - spread));
    const QPointF b = centre + QPointF(radius * std::cos(angle + spread), radius * std::sin(angle + spread));
    if (i == 0) {
      gear.moveTo(a);
    } else {
      gear.lineTo(a);
    }
    gear.lineTo(b);
  }
  gear.closeSubpath();
  gear.addEllipse(centre, 3.2, 3.2);
  gear.setFillRule(Qt::OddEvenFill);
  p.setPen(outlinePen());
  p.setBrush(kGrey);
  p.drawPath(gear);
}

void drawExit(QPainter& p) {
  p.setPen(outlinePen());
  p.setBrush(kPaperShade);
  p.drawRect(QRectF(3.5, 2.5, 11, 19));
  QPolygonF door;
  door << QPointF(3.5, 2.5) << QPointF(10.5, 4.5) << QPointF(10.5, 22.5) << QPointF(3.5, 21.5);
  p.setBrush(kBrown);
  p.drawPolygon(door);
  p.setBrush(kYellow);
  p.drawEllipse(QPointF(8.8, 13), 0.9, 0.9);
  arrow(p, QPointF(12.5, 12), QPointF(22, 12), kRed, 2.6);
}

void draw(QPainter& p, CommandIcon which) {
  switch (which) {
    case CommandIcon::New: return drawNew(p);
    case CommandIcon::Open: return drawOpen(p);
    case CommandIcon::Save: return drawSave(p);
    case CommandIcon::Help: return drawHelp(p);
    case CommandIcon::Demo: return drawDemo(p);
    case CommandIcon::Preview: return drawPreview(p);
    case CommandIcon::Clipboard: return drawClipboard(p);
    case CommandIcon::Upload: return drawUpload(p);
    case CommandIcon::Indexer: return drawIndexer(p);
    case CommandIcon::Deploy: return drawDeploy(p);
    case CommandIcon::Generate: return drawGenerate(p);
    case CommandIcon::Exit: return drawExit(p);
  }
}

QPixmap render(CommandIcon which, int scale) {
  QPixmap pixmap(kGrid * scale, kGrid * scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.scale(scale, scale);
  draw(painter, which);
  painter.end();
  pixmap.setDevicePixelRatio(scale);
  return pixmap;
}

}  // namespace

QIcon commandIcon(CommandIcon which) {
  QIcon icon;
  for (int scale : {1, 2}) icon.addPixmap(render(which, scale));
  return icon;
}

}  // namespace quillon::gui
