#pragma once
// The tab operations of the construction area and the start-up tab choice.
// Add, copy and delete change the current tab; every operation keeps
// `DefaultTab` within the tab list.
#include <string>
#include <vector>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

// Appends a tab "New Tab" with one node and makes it current.
TAppletPage& addTab(MenuModel& menu);
// Appends a copy of the current tab (caption, links and a deep copy of its
// tree, the first node selected) and makes it current; nullptr without a tab.
TAppletPage* copyTab(MenuModel& menu);
// Deletes the current tab, refusing the last one and asking first for the
// tabbed tree applet. The tab before it becomes current, or the new first tab.
bool deleteTab(MenuModel& menu, UserInterface& ui);
void renameTab(MenuModel& menu, const std::string& caption);
// Moves the current tab to the index (held within the list); it stays current
// and stays the start-up tab if it was one.
void moveTab(MenuModel& menu, int toIndex);

// The tab link editors. The on-demand flag has no editor, so it keeps the
// value the page was read with.
struct TabLinkFields {
  std::string StatusText;
  std::string URL1;
  std::string Target1;
  std::string URL2;
  std::string Target2;
};
void editTabLinks(MenuModel& menu, const TabLinkFields& fields);

// The start-up tab list: every caption in order and the chosen index (-1 none).
struct StartupTabList {
  std::vector<std::string> captions;
  int selected = -1;
};

// The choice after the list is rebuilt: the previous one while it is still in
// the list (none stays none), otherwise the last tab.
int startupTabAfterRebuild(int previouslySelected, int tabCount);
// Rebuilds the list from the tabs, keeping `DefaultTab` on the list's choice.
StartupTabList rebuildStartupTabList(MenuModel& menu);
void chooseStartupTab(MenuModel& menu, int index);

}  // namespace quillon
