#include "model/menu_model.hpp"

#include <stdexcept>

namespace quillon {

TAppletPage& MenuModel::AddTab(const std::string& caption) {
  auto tab = std::make_unique<TAppletPage>();
  tab->Caption = caption;
  tab->Nodes.root().appendChild(kNewNodeText);
  tab->Nodes.selectFirst();
  insertTab(tabCount(), std::move(tab));
  return *tabs_.back();
}

void MenuModel::Clear() {
  tabs_.clear();
  currentTab_ = -1;
  Images.clear();
  Document.HeaderLines.clear();
  Document.FooterLines.clear();
}

void MenuModel::setCurrentTab(int index) {
  if (index < -1 || index >= tabCount()) throw std::out_of_range("no tab at that index");
  currentTab_ = index;
}

TAppletPage* MenuModel::CurrentTab() { return currentTab_ < 0 ? nullptr : tabs_[static_cast<std::size_t>(currentTab_)].get(); }

void MenuModel::insertTab(int index, std::unique_ptr<TAppletPage> tab) {
  if (index < 0 || index > tabCount()) throw std::out_of_range("no tab position at that index");
  tabs_.insert(tabs_.begin() + index, std::move(tab));
  currentTab_ = index;
}

std::unique_ptr<TAppletPage> MenuModel::removeTab(int index) {
  if (index < 0 || index >= tabCount()) throw std::out_of_range("no tab at that index");
  std::unique_ptr<TAppletPage> removed = std::move(tabs_[static_cast<std::size_t>(index)]);
  tabs_.erase(tabs_.begin() + index);
  if (currentTab_ >= tabCount()) currentTab_ = tabCount() - 1;
  return removed;
}

void resetToNewMenu(MenuModel& menu, TAppletKind kind) {
  menu.Clear();
  menu.Settings = TAppletSettings{};
  menu.Settings.Kind = kind;
  menu.Document = DocumentState{};
  menu.AddTab(kNewTabCaption);
}

}  // namespace quillon
