#pragma once
// The four most recently written pages, most recent first, kept in the
// per-user store as "File1" ... "File4".
#include <array>
#include <functional>
#include <string>

#include "ports/settings_store.hpp"

namespace quillon {

class RecentFiles {
 public:
  static constexpr int kSlots = 4;

  explicit RecentFiles(SettingsStore& store) : store_(store) {}

  // Fills the slots from the store; values that are missing leave their slot as it was.
  void loadRecentFiles();
  // Puts the path at the top of the stored list; a path already listed
  // (compared without regard to case) moves up, otherwise the oldest drops out.
  void addRecentFile(const std::string& path);
  // Sets slot n-1 (n from 1 to 4) and stores it.
  void setRecentEntry(int n, const std::string& path);

  const std::array<std::string, kSlots>& entries() const { return slots_; }

 private:
  // The stored values into their slots, without writing them back.
  void readStoredSlots();

  SettingsStore& store_;
  std::array<std::string, kSlots> slots_;
};

// Measures a text's width in pixels in the menu's font.
using TextWidth = std::function<int(const std::string&)>;

// The path as a menu shows it: while wider than maxWidth, its leading folders
// give way to "...", then the drive, then the whole folder part.
std::string shortenPath(const std::string& path, const TextWidth& width, int maxWidth = 150);

// "&" + n + " " + the shortened path: the caption of recent entry n.
std::string recentEntryCaption(int n, const std::string& path, const TextWidth& width);

}  // namespace quillon
