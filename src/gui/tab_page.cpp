#include "gui/tab_page.hpp"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "gui/link_browse.hpp"
#include "gui/page_controls.hpp"
#include "gui/tab_position_control.hpp"
#include "gui/target_frame_hint.hpp"
#include "gui/widget_fill.hpp"
#include "model/tab_editing.hpp"

namespace quillon::gui {

TabPage::TabPage(Commander& commander, QWidget* parent) : QWidget(parent), commander_(commander) {
  setObjectName("tabPage");
  caption_ = makeBox("tabCaptionBox", "The caption of the tab.");
  position_ = new TabPositionControl;
  position_->setObjectName("tabPosition");
  status_ = makeBox("tabStatusBox", "The text shown in the browser's status line while the mouse is over the tab.");
  link1_ = makeBox("tabLink1Box", "The page the tab opens (link 1).");
  target1_ = makeBox("tabTarget1Box", "The frame that link 1 opens in.");
  link2_ = makeBox("tabLink2Box", "A second page the tab opens (link 2).");
  target2_ = makeBox("tabTarget2Box", "The frame that link 2 opens in.");
  QToolButton* browse1 = makeBrowseButton("tabLink1Browse", "Browse for the page of link 1.");
  QToolButton* browse2 = makeBrowseButton("tabLink2Browse", "Browse for the page of link 2.");

  auto* fields = new QGridLayout;
  fields->addWidget(new QLabel("Caption:"), 0, 0);
  fields->addWidget(caption_, 0, 1);
  fields->addWidget(position_, 0, 2);
  fields->addWidget(new QLabel("Status text:"), 1, 0);
  fields->addWidget(status_, 1, 1, 1, 2);
  fields->addWidget(new QLabel("Link 1:"), 2, 0);
  fields->addWidget(link1_, 2, 1);
  fields->addWidget(browse1, 2, 2);
  fields->addWidget(new QLabel("Target 1:"), 3, 0);
  fields->addWidget(target1_, 3, 1);
  fields->addWidget(new QLabel("Link 2:"), 4, 0);
  fields->addWidget(link2_, 4, 1);
  fields->addWidget(browse2, 4, 2);
  fields->addWidget(new QLabel("Target 2:"), 5, 0);
  fields->addWidget(target2_, 5, 1);

  QPushButton* add = makeButton("Add Tab", "addTabButton", "Add a new tab after the last one.");
  QPushButton* copy = makeButton("Copy Tab", "copyTabButton", "Add a copy of this tab with all its nodes.");
  QPushButton* remove = makeButton("Delete Tab", "deleteTabButton", "Delete this tab with all its nodes.");
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(add);
  buttons->addWidget(copy);
  buttons->addWidget(remove);

  startup_ = new QComboBox;
  startup_->setObjectName("startupTabList");
  startup_->setToolTip("The tab shown when the applet starts.");
  auto* startup = new QHBoxLayout;
  startup->addWidget(new QLabel("Start-up tab:"));
  startup->addWidget(startup_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->addSpacing(6);
  layout->addLayout(startup);
  layout->addStretch();

  targetHint_ = new TargetFrameHint(this);
  targetHint_->watch(target1_);
  targetHint_->watch(target2_);

  connect(caption_, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (filling_) return;
    renameTab(commander_.menu(), toBytes(text));
    fillStartupList(rebuildStartupTabList(commander_.menu()));
    Q_EMIT menuChanged(MenuChange::ofTabs());
  });
  connect(position_, &TabPositionControl::positionChanged, this, [this](int index) {
    if (filling_) return;
    moveTab(commander_.menu(), index);
    // The list follows the new order, so its choice still names the same tab.
    fillStartupList(rebuildStartupTabList(commander_.menu()));
    Q_EMIT menuChanged(MenuChange::ofTabs());
  });
  for (QLineEdit* box : {status_, link1_, target1_, link2_, target2_})
    connect(box, &QLineEdit::textChanged, this, &TabPage::linksEdited);
  connect(browse1, &QToolButton::clicked, this, [this] { browseLink(link1_); });
  connect(browse2, &QToolButton::clicked, this, [this] { browseLink(link2_); });
  connect(startup_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (filling_) return;
    chooseStartupTab(commander_.menu(), index);
  });
  connect(add, &QPushButton::clicked, this, [this] {
    addTab(commander_.menu());
    tabsEdited();
  });
  connect(copy, &QPushButton::clicked, this, [this] {
    if (copyTab(commander_.menu())) tabsEdited();
  });
  connect(remove, &QPushButton::clicked, this, [this] {
    if (deleteTab(commander_.menu(), commander_.ui())) tabsEdited();
  });
  refresh();
}

void TabPage::refresh() {
  FillScope fill(filling_);
  MenuModel& menu = commander_.menu();
  const TAppletPage* tab = menu.CurrentTab();
  const TTabPage links = tab ? tab->TabPage : TTabPage{};
  setTextIfChanged(caption_, tab ? tab->Caption : "");
  setTextIfChanged(status_, links.StatusText);
  setTextIfChanged(link1_, links.URL1);
  setTextIfChanged(target1_, links.Target1);
  setTextIfChanged(link2_, links.URL2);
  setTextIfChanged(target2_, links.Target2);
  for (QLineEdit* box : {caption_, status_, link1_, target1_, link2_, target2_}) box->setEnabled(tab != nullptr);
  position_->setRange(menu.tabCount(), menu.currentTabIndex());
  // Showing the model changes nothing in it: a start-up tab the list lacks shows as none.
  StartupTabList shown;
  for (int i = 0; i < menu.tabCount(); ++i) shown.captions.push_back(menu.tab(i).Caption);
  const int startupTab = menu.Settings.DefaultTab;
  if (startupTab >= 0 && startupTab < menu.tabCount()) shown.selected = startupTab;
  fillStartupList(shown);
}

void TabPage::fillStartupList(const StartupTabList& list) {
  FillScope fill(filling_);
  startup_->clear();
  for (const std::string& caption : list.captions) startup_->addItem(toQString(caption));
  startup_->setCurrentIndex(list.selected);
}

void TabPage::linksEdited() {
  if (filling_) return;
  editTabLinks(commander_.menu(), {toBytes(status_->text()), toBytes(link1_->text()), toBytes(target1_->text()),
                                   toBytes(link2_->text()), toBytes(target2_->text())});
}

void TabPage::browseLink(QLineEdit* box) {
  if (auto link = browseForLink(commander_.menu(), commander_.ui())) box->setText(toQString(*link));
}

void TabPage::tabsEdited() {
  refresh();
  Q_EMIT menuChanged(MenuChange::ofTabs());
  Q_EMIT modelChanged();
}

}  // namespace quillon::gui
