#pragma once
// A copy of everything a page keeps of the menu, so that "changed since it
// was opened or saved" is a comparison that no edit can slip past.
#include <string>
#include <vector>

#include "model/menu_model.hpp"

namespace quillon {

class MenuSnapshot {
 public:
  explicit MenuSnapshot(const MenuModel& menu);

  bool operator==(const MenuSnapshot&) const = default;

 private:
  struct Node {
    int level;
    std::string text;
    TAppletNode data;
    bool operator==(const Node&) const = default;
  };
  struct Tab {
    std::string caption;
    TTabPage link;
    std::vector<Node> nodes;
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
