#pragma once
// The four most recently written pages, most recent first, kept in the
// per-user store as "File1" ... "File4".
#include <array>
#include <string>

#include "ports/settings_store.hpp"

namespace quillon {

class RecentFiles {
 public:
  static constexpr int kSlots = 4;

  explicit RecentFiles(SettingsStore& store) : store_(store) {}

  // Fills the slots from the store; values that are missing leave their slot as it was.
  void loadRecentFiles();
  // Puts the path at the top; a path already listed (compared without regard
  // to case) moves up, otherwise the oldest drops out.
  void addRecentFile(const std::string& path);
  // Sets slot n-1 (n from 1 to 4) and stores it.
  void setRecentEntry(int n, const std::string& path);

  const std::array<std::string, kSlots>& slots() const { return slots_; }

 private:
  SettingsStore& store_;
  std::array<std::string, kSlots> slots_;
};

}  // namespace quillon
