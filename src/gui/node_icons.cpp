#include "gui/node_icons.hpp"

#include <QPixmap>

namespace quillon::gui {

QImage toQImage(const Bitmap& bitmap) {
  if (bitmap.width <= 0 || bitmap.height <= 0 ||
      bitmap.pixels.size() < static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height)) {
    return {};
  }
  // Both hold 0xAARRGGBB per pixel, rows top to bottom.
  const QImage view(reinterpret_cast<const uchar*>(bitmap.pixels.data()), bitmap.width, bitmap.height,
                    bitmap.width * 4, QImage::Format_ARGB32);
  return view.copy();
}

bool NodeIcons::sameAs(const ImageList& images) const {
  if (images.ImageFiles() != files_) return false;
  for (int i = 0; i < images.count(); ++i) {
    if (images.bitmap(i).pixels != pixels_[static_cast<std::size_t>(i)]) return false;
  }
  return true;
}

void NodeIcons::update(const ImageList& images) {
  if (sameAs(images)) return;
  files_ = images.ImageFiles();
  pixels_.clear();
  icons_.clear();
  for (int i = 0; i < images.count(); ++i) {
    pixels_.push_back(images.bitmap(i).pixels);
    icons_.emplace_back(QPixmap::fromImage(toQImage(images.bitmap(i))));
  }
}

QIcon NodeIcons::icon(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= icons_.size()) return {};
  return icons_[static_cast<std::size_t>(index)];
}

}  // namespace quillon::gui
