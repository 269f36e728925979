#pragma once
// What a page keeps of the menu, so that "changed since it was opened or
// saved" is a comparison that no edit can slip past. The settings, images and
// page lines are copied; the nodes, by far the most of a menu, are kept as a
// count and a 64-bit digest per tab instead of a second copy of every node.
#include <cstdint>
#include <string>
#include <vector>

#include "model/menu_model.hpp"

namespace quillon {

class MenuSnapshot {
 public:
  explicit MenuSnapshot(const MenuModel& menu);

  bool operator==(const MenuSnapshot&) const = default;

 private:
  struct Tab {
    std::string caption;
    TTabPage link;
    std::size_t nodeCount = 0;
    // Of every node in page order: level, text and fields.
    std::uint64_t nodesDigest = 0;
    bool operator==(const Tab&) const = default;
  };

  TAppletSettings settings_;
  std::vector<std::string> imageFiles_;
  std::vector<std::string> headerLines_;
  std::vector<std::string> footerLines_;
  std::string bodyTag_;
  std::vector<Tab> tabs_;
};

}  // namespace quillon
