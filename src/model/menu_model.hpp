#pragma once
// The one menu the user builds: settings, tabs with their trees, node icons and
// the page around it.
#include <memory>
#include <string>
#include <vector>

#include "model/applet_node.hpp"
#include "model/applet_settings.hpp"
#include "model/document_state.hpp"
#include "model/image_list.hpp"
#include "model/node_tree.hpp"

namespace quillon {

inline constexpr const char* kNewTabCaption = "New Tab";
inline constexpr const char* kNewNodeText = "New Node";

struct TAppletPage {
  std::string Caption;
  NodeTree Nodes;
  TTabPage TabPage;
};

class MenuModel {
 public:
  TAppletSettings Settings;
  ImageList Images;
  DocumentState Document;

  // Appends a tab with one node "New Node" and makes it the current tab.
  TAppletPage& AddTab(const std::string& caption);
  // Removes all tabs and images and the page frame lines.
  void Clear();

  int tabCount() const { return static_cast<int>(tabs_.size()); }
  TAppletPage& tab(int index) { return *tabs_.at(static_cast<std::size_t>(index)); }
  const TAppletPage& tab(int index) const { return *tabs_.at(static_cast<std::size_t>(index)); }

  // The tab shown in the construction area; -1 while there is no tab.
  int currentTabIndex() const { return currentTab_; }
  void setCurrentTab(int index);
  TAppletPage* CurrentTab();

  // Tab list changes for the editing commands.
  void insertTab(int index, std::unique_ptr<TAppletPage> tab);
  std::unique_ptr<TAppletPage> removeTab(int index);

 private:
  std::vector<std::unique_ptr<TAppletPage>> tabs_;
  int currentTab_ = -1;
};

// A fresh menu of the kind, as New builds it before themes and stock images.
void resetToNewMenu(MenuModel& menu, TAppletKind kind);

}  // namespace quillon
