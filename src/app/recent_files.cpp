#include "app/recent_files.hpp"

#include <vector>

#include "format/text_helpers.hpp"

namespace quillon {

void RecentFiles::loadRecentFiles() {
  for (int n = 1; n <= kSlots; ++n) {
    if (auto value = store_.read("", "File" + std::to_string(n))) setRecentEntry(n, *value);
  }
}

void RecentFiles::readStoredSlots() {
  for (std::size_t k = 0; k < slots_.size(); ++k) {
    if (auto value = store_.read("", "File" + std::to_string(k + 1))) slots_[k] = *value;
  }
}

void RecentFiles::setRecentEntry(int n, const std::string& path) {
  slots_.at(static_cast<std::size_t>(n - 1)) = path;
  store_.write("", "File" + std::to_string(n), path);
}

void RecentFiles::addRecentFile(const std::string& path) {
  // Another program may have saved a page since the list was last read.
  readStoredSlots();
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

std::string shortenPath(const std::string& path, const TextWidth& width, int maxWidth) {
  const char separator = path.find('\\') != std::string::npos ? '\\' : '/';
  const std::size_t nameStart = path.find_last_of(separator);
  if (nameStart == std::string::npos || width(path) <= maxWidth) return path;
  const std::string name = path.substr(nameStart + 1);
  // The drive ("C:") or nothing for a path from the root; then the folders.
  const std::size_t firstSeparator = path.find(separator);
  const std::string drive = path.substr(0, firstSeparator);
  std::vector<std::string> folders;
  for (std::size_t at = firstSeparator; at < nameStart;) {
    const std::size_t next = path.find(separator, at + 1);
    folders.push_back(path.substr(at + 1, next - at - 1));
    at = next;
  }
  const std::string sep(1, separator);
  for (std::size_t cut = 1; cut <= folders.size(); ++cut) {
    std::string candidate = drive + sep + "...";
    for (std::size_t i = cut; i < folders.size(); ++i) candidate += sep + folders[i];
    candidate += sep + name;
    if (width(candidate) <= maxWidth) return candidate;
  }
  const std::string withoutDrive = "..." + sep + name;
  if (width(withoutDrive) <= maxWidth) return withoutDrive;
  return name;
}

std::string recentEntryCaption(int n, const std::string& path, const TextWidth& width) {
  return "&" + std::to_string(n) + " " + shortenPath(path, width);
}

}  // namespace quillon
