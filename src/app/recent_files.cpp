#include "app/recent_files.hpp"

#include "format/text_helpers.hpp"

namespace quillon {

void RecentFiles::loadRecentFiles() {
  for (int n = 1; n <= kSlots; ++n) {
    if (auto value = store_.read("", "File" + std::to_string(n))) setRecentEntry(n, *value);
  }
}

void RecentFiles::setRecentEntry(int n, const std::string& path) {
  slots_.at(static_cast<std::size_t>(n - 1)) = path;
  store_.write("", "File" + std::to_string(n), path);
}

void RecentFiles::addRecentFile(const std::string& path) {
  std::array<std::string, kSlots> updated;
  updated[0] = path;
  std::size_t next = 1;
  bool dropped = false;
  for (std::size_t k = 0; k < slots_.size(); ++k) {
    if (!dropped && equalsNoCase(slots_[k], path)) {
      dropped = true;
      continue;
    }
    if (next < updated.size()) updated[next++] = slots_[k];
  }
  for (int j = 0; j < kSlots; ++j) {
    if (!updated[static_cast<std::size_t>(j)].empty()) setRecentEntry(j + 1, updated[static_cast<std::size_t>(j)]);
    else slots_[static_cast<std::size_t>(j)].clear();
  }
}

}  // namespace quillon
