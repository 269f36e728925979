#pragma once
// The menu read as the generators see it: one structured record per tab or
// node, in menu order, so no caption, link or status text can shift another.
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/menu_model.hpp"

namespace quillon {

// The texts view the menu's own strings where they need no change, so
// reading a large menu copies little; they live as long as the menu and the
// MenuEntries that holds them.
struct MenuEntry {
  std::string_view caption;  // node text or tab caption
  std::string_view url;      // "none" read as empty; relative to the page
  std::string_view target;   // "none" read as empty
  std::string_view statusText;
  int tabIndex = 0;        // 0-based tab the entry belongs to; 0 in a Tree menu
  int level = 0;           // depth below the tab; 0 for tabs and top-level nodes
  bool isTab = false;
};

// A link stated relative to the class folder (the applet resolves links
// against its code base), stated relative to the page instead.
std::string relativeToCodebase(const std::string& codebase, const std::string& url);

// The first link of an entry as a generated page needs it.
std::string entryUrl(const std::string& url1, const TAppletSettings& settings);
// The first target of an entry; "none" in any letter case is empty.
std::string_view entryTarget(const std::string& target1);
// The status text of an entry; "none", which a page read back holds for an
// empty tab field, is empty too.
std::string_view entryStatusText(const std::string& statusText);

struct EntryReading {
  // Tab&Tree menus: a record for each tab before its nodes, which then sit one level deeper.
  bool tabRecords = false;
  // Called once per entry so the window stays painted.
  std::function<void()> onEntry;
};

// The records of a menu, with the texts that had to be changed (a line
// break made a blank, a link stated from the class folder) kept beside them.
class MenuEntries {
 public:
  std::size_t size() const { return entries_.size(); }
  const MenuEntry& operator[](std::size_t k) const { return entries_[k]; }
  std::vector<MenuEntry>::const_iterator begin() const { return entries_.begin(); }
  std::vector<MenuEntry>::const_iterator end() const { return entries_.end(); }

 private:
  friend MenuEntries readMenuEntries(const MenuModel& menu, const EntryReading& reading);
  std::vector<MenuEntry> entries_;
  std::deque<std::string> changed_;  // a deque never moves what it holds
};

// Tab menus give one record per tab; Tree menus one per node of the tree;
// Tab&Tree menus one per node of each tab, tabs in order.
MenuEntries readMenuEntries(const MenuModel& menu, const EntryReading& reading);

// The same records one at a time, for a generator that keeps of each only
// what it needs: the texts that had to be changed go to `changed`, which
// must outlive the views.
void visitMenuEntries(const MenuModel& menu, const EntryReading& reading, std::deque<std::string>& changed,
                      const std::function<void(const MenuEntry&)>& visit);
// How many records there are, for sizing lists up front.
std::size_t menuEntryCount(const MenuModel& menu, const EntryReading& reading);

}  // namespace quillon
