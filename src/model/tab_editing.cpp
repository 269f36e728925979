#include "model/tab_editing.hpp"

#include <algorithm>

namespace quillon {

namespace {

inline constexpr const char* kDeleteTabQuestion = "This will delete the entire tab including all tree nodes.";

}  // namespace

TAppletPage& addTab(MenuModel& menu) {
  TAppletPage& tab = menu.AddTab(kNewTabCaption);
  rebuildStartupTabList(menu);
  return tab;
}

TAppletPage* copyTab(MenuModel& menu) {
  const TAppletPage* source = menu.CurrentTab();
  if (source == nullptr) return nullptr;
  auto copy = std::make_unique<TAppletPage>();
  copy->Caption = source->Caption;
  copy->TabPage = source->TabPage;
  for (const auto& node : source->Nodes.root().children()) {
    TreeNode& root = copy->Nodes.root();
    root.insertChild(root.children().size(), node->clone());
  }
  copy->Nodes.selectFirst();
  menu.insertTab(menu.tabCount(), std::move(copy));
  rebuildStartupTabList(menu);
  return menu.CurrentTab();
}

bool deleteTab(MenuModel& menu, UserInterface& ui) {
  int current = menu.currentTabIndex();
  if (current < 0) return false;
  if (menu.tabCount() < 2) {
    ui.message(MessageKind::Information, "Cannot delete last tab");
    return false;
  }
  if (menu.Settings.Kind == akTabTree &&
      ui.ask(MessageKind::Warning, kDeleteTabQuestion, Buttons::OkCancel) != Answer::Ok)
    return false;
  menu.removeTab(current);
  menu.setCurrentTab(std::max(current - 1, 0));
  rebuildStartupTabList(menu);
  return true;
}

void renameTab(MenuModel& menu, const std::string& caption) {
  if (TAppletPage* tab = menu.CurrentTab()) tab->Caption = caption;
}

void moveTab(MenuModel& menu, int toIndex) {
  int from = menu.currentTabIndex();
  if (from < 0) return;
  int to = std::clamp(toIndex, 0, menu.tabCount() - 1);
  if (to == from) return;
  // The start-up choice names a tab, not a place: it moves along with the tabs.
  int& startup = menu.Settings.DefaultTab;
  if (startup == from)
    startup = to;
  else if (from < startup && startup <= to)
    --startup;
  else if (to <= startup && startup < from)
    ++startup;
  menu.insertTab(to, menu.removeTab(from));
}

void editTabLinks(MenuModel& menu, const TabLinkFields& fields) {
  TAppletPage* tab = menu.CurrentTab();
  if (tab == nullptr) return;
  TTabPage& page = tab->TabPage;
  page.StatusText = fields.StatusText;
  page.URL1 = fields.URL1;
  page.Target1 = fields.Target1;
  page.URL2 = fields.URL2;
  page.Target2 = fields.Target2;
}

int startupTabAfterRebuild(int previouslySelected, int tabCount) {
  if (previouslySelected < 0) return -1;
  return previouslySelected < tabCount ? previouslySelected : tabCount - 1;
}

StartupTabList rebuildStartupTabList(MenuModel& menu) {
  StartupTabList list;
  for (int i = 0; i < menu.tabCount(); ++i) list.captions.push_back(menu.tab(i).Caption);
  list.selected = startupTabAfterRebuild(menu.Settings.DefaultTab, menu.tabCount());
  menu.Settings.DefaultTab = list.selected;
  return list;
}

void chooseStartupTab(MenuModel& menu, int index) {
  if (index >= -1 && index < menu.tabCount()) menu.Settings.DefaultTab = index;
}

}  // namespace quillon
