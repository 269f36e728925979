#include "gui/icon_preview.hpp"

#include <QImage>
#include <QLabel>

namespace quillon::gui {

QPixmap iconPixmap(const ImageList& images, int index) {
  if (!images.isValidIndex(index)) return {};
  const Bitmap& bitmap = images.bitmap(index);
  if (bitmap.width <= 0 || bitmap.height <= 0) return {};
  // Bitmap pixels are 0xAARRGGBB words, the layout of ARGB32.
  QImage image(bitmap.width, bitmap.height, QImage::Format_ARGB32);
  for (int y = 0; y < bitmap.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < bitmap.width; ++x) line[x] = bitmap.at(x, y);
  }
  return QPixmap::fromImage(image);
}

QLabel* makeIconPreview(const QString& hint) {
  auto* preview = new QLabel;
  preview->setFrameShape(QFrame::StyledPanel);
  preview->setFrameShadow(QFrame::Sunken);
  preview->setFixedSize(22, 22);
  preview->setAlignment(Qt::AlignCenter);
  preview->setToolTip(hint);
  return preview;
}

void showIcon(QLabel* preview, const ImageList& images, int index) {
  const QPixmap pixmap = iconPixmap(images, index);
  if (pixmap.isNull())
    preview->clear();
  else
    preview->setPixmap(pixmap);
}

}  // namespace quillon::gui
