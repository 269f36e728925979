#pragma once
// The small pictures that show node icons from the image list.
#include <QPixmap>

#include "model/image_list.hpp"

class QLabel;

namespace quillon::gui {

// The list's picture at the index; a null pixmap where there is none.
QPixmap iconPixmap(const ImageList& images, int index);

// A framed square that shows one icon or stays blank.
QLabel* makeIconPreview(const QString& hint);
void showIcon(QLabel* preview, const ImageList& images, int index);

}  // namespace quillon::gui
