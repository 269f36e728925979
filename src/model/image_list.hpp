#pragma once
// The node icons: file paths and their decoded 16 x 16 bitmaps, with the same
// indexes. Paths are listed once; images are only appended while a menu is open.
#include <string>
#include <vector>

#include "imaging/bitmap.hpp"

namespace quillon {

class ImageList {
 public:
  static constexpr int kIconSize = 16;

  // The index of the path, or -1 when it is not listed.
  int indexOf(const std::string& path) const;
  // Lists the path when its file decodes to a 16 x 16 picture. Returns the
  // index, the existing index for a listed path, or -1 when the file cannot be used.
  int AddImage(const std::string& path);
  void clear();

  const std::vector<std::string>& ImageFiles() const { return files_; }
  const Bitmap& bitmap(int index) const { return bitmaps_.at(static_cast<std::size_t>(index)); }
  int count() const { return static_cast<int>(files_.size()); }
  bool isValidIndex(int index) const { return index >= 0 && index < count(); }

 private:
  std::vector<std::string> files_;
  std::vector<Bitmap> bitmaps_;
};

}  // namespace quillon
