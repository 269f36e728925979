#pragma once
// The image list's pictures as icons for the tree views.
#include <QIcon>
#include <QImage>
#include <string>
#include <vector>

#include "imaging/bitmap.hpp"
#include "model/image_list.hpp"

namespace quillon::gui {

QImage toQImage(const Bitmap& bitmap);

class NodeIcons {
 public:
  // Converts the pictures again only when the list (a path or a picture) has
  // changed since the last call.
  void update(const ImageList& images);
  // A null icon for an index outside the list.
  QIcon icon(int index) const;

 private:
  bool sameAs(const ImageList& images) const;

  std::vector<std::string> files_;
  std::vector<std::vector<std::uint32_t>> pixels_;
  std::vector<QIcon> icons_;
};

}  // namespace quillon::gui
