#include "model/image_list.hpp"

#include <algorithm>

#include "imaging/image_file.hpp"

namespace quillon {

int ImageList::indexOf(const std::string& path) const {
  auto found = std::find(files_.begin(), files_.end(), path);
  return found == files_.end() ? -1 : static_cast<int>(found - files_.begin());
}

int ImageList::AddImage(const std::string& path) {
  if (int existing = indexOf(path); existing >= 0) return existing;
  auto picture = loadImageFile(path);
  if (!picture || picture->width != kIconSize || picture->height != kIconSize) return -1;
  files_.push_back(path);
  bitmaps_.push_back(std::move(*picture));
  return count() - 1;
}

void ImageList::clear() {
  files_.clear();
  bitmaps_.clear();
}

}  // namespace quillon
