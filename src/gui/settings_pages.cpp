#include "gui/settings_pages.hpp"

#include <QScrollArea>

#include "app/style_control_state.hpp"
#include "gui/applet_page.hpp"
#include "gui/tab_page.hpp"
#include "gui/tab_style_page.hpp"
#include "gui/tree_page.hpp"
#include "gui/tree_style_page.hpp"

namespace quillon::gui {

namespace {

int pageIndex(SettingsPage page) { return static_cast<int>(page); }

}  // namespace

SettingsPages::SettingsPages(Commander& commander, QWidget* parent)
    : QTabWidget(parent),
      commander_(commander),
      applet_(new AppletPage(commander)),
      tab_(new TabPage(commander)),
      tabStyle_(new TabStylePage(commander)),
      tree_(new TreePage(commander)),
      treeStyle_(new TreeStylePage(commander)) {
  setObjectName("settingsPages");
  setFixedWidth(kDesignWidth);
  // In the order of SettingsPage.
  addPage(applet_, "Applet");
  addPage(tab_, "Tab");
  addPage(tabStyle_, "Tab Style");
  addPage(tree_, "Tree");
  addPage(treeStyle_, "Tree Style");

  connect(tab_, &TabPage::menuChanged, this, &SettingsPages::menuChanged);
  connect(tabStyle_, &TabStylePage::menuChanged, this, &SettingsPages::menuChanged);
  connect(tree_, &TreePage::menuChanged, this, &SettingsPages::menuChanged);
  connect(treeStyle_, &TreeStylePage::menuChanged, this, &SettingsPages::menuChanged);
  connect(applet_, &AppletPage::modelChanged, this, &SettingsPages::refreshFromModel);
  connect(tab_, &TabPage::modelChanged, this, &SettingsPages::refreshFromModel);
  connect(tree_, &TreePage::modelChanged, this, &SettingsPages::refreshFromModel);
  connect(treeStyle_, &TreeStylePage::modelChanged, this, &SettingsPages::refreshFromModel);
  connect(applet_, &AppletPage::appletSizeApplied, this, &SettingsPages::appletSizeApplied);
  refreshFromModel();
}

void SettingsPages::addPage(QWidget* page, const QString& caption) {
  // A page taller than the window scrolls instead of being cut off.
  auto* scroll = new QScrollArea;
  scroll->setWidget(page);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  addTab(scroll, caption);
}

void SettingsPages::setActivePage(SettingsPage page) { setCurrentIndex(pageIndex(page)); }

void SettingsPages::refreshFromModel() {
  applet_->refresh();
  tab_->refresh();
  tabStyle_->refresh();
  tree_->refresh();
  treeStyle_->refresh();
  applyControlState();
}

void SettingsPages::applyControlState() {
  const WindowState& window = commander_.state();
  for (SettingsPage page : {SettingsPage::Tab, SettingsPage::TabStyle}) {
    setTabVisible(pageIndex(page), window.tabPagesShown);
    widget(pageIndex(page))->setEnabled(window.tabPagesShown);
  }
  for (SettingsPage page : {SettingsPage::Tree, SettingsPage::TreeStyle}) {
    setTabVisible(pageIndex(page), window.treePagesShown);
    widget(pageIndex(page))->setEnabled(window.treePagesShown);
  }
  const MenuModel& menu = commander_.menu();
  const StyleControlState state = styleControlState(menu.Settings, menu.Images.count());
  applet_->applyControlState(state);
  tabStyle_->applyControlState(state);
  tree_->applyControlState(state);
  treeStyle_->applyControlState(state);
}

}  // namespace quillon::gui
