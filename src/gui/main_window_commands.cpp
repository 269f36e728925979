// The main window's command bar and main menu, and what each entry runs.
#include <QAction>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include "gui/command_bar.hpp"
#include "gui/command_icons.hpp"
#include "gui/main_window.hpp"
#include "gui/qt_text.hpp"

namespace quillon::gui {

void MainWindow::buildCommands() {
  buildCommandBar();
  buildMainMenu();
}

void MainWindow::buildCommandBar() {
  struct Command {
    CommandIcon icon;
    const char* caption;
    const char* hint;
    std::function<void()> run;
    bool needsMenu;
  };
  Commander& c = *commander_;
  const Command commands[] = {
      {CommandIcon::New, "New", "Clear all current Commander information and choose a new applet style.",
       [&c] { c.newMenu(); }, false},
      {CommandIcon::Open, "Open", "Opening an existing 'HTML' file that has one of the Quillon applets included.",
       [&c] { c.open(); }, false},
      {CommandIcon::Save, "Save", "Save the applet parameter code.", [&c] { c.save(SaveTrigger::Toolbar); }, true},
      {CommandIcon::Help, "Help", "Open Online Documentation Help and Sample Files.",
       [&c] { c.help(HelpPage::Commander); }, false},
      {CommandIcon::Demo, "Demo", "Show me an example.", [&c] { c.demo(); }, false},
      {CommandIcon::Preview, "Preview", "Preview the applet that you have just created in a browser window.",
       [&c] { c.preview(); }, true},
      {CommandIcon::Clipboard, "Clipboard", "Copy the HTML code to the clipboard.", [&c] { c.clipboard(); }, true},
      {CommandIcon::Upload, "Upload", "Review the Upload report.", [&c] { c.uploadReport(); }, true},
      {CommandIcon::Indexer, "Indexer", "Create a full site index from your existing site with Auto Indexer.",
       [&c] { c.siteIndexer(std::nullopt); }, true},
      {CommandIcon::Deploy, "Deploy", "Deploy the Quillon in a Frame or in a Floating Window.",
       [&c] { c.deploy(std::nullopt); }, true},
      {CommandIcon::Generate, "Generate", "Generate a Site Map or a DropDown Navigation Box",
       [&c] { c.generate(); }, true},
  };

  commandBar_ = new CommandBar(this);
  commandBar_->setObjectName("pnlToolbar");
  for (const Command& command : commands) {
    auto* action = new QAction(commandIcon(command.icon), command.caption, this);
    action->setToolTip(command.hint);
    action->setStatusTip(command.hint);
    connect(action, &QAction::triggered, this,
            [this, run = command.run] { this->run(run); });
    commandBar_->addCommand(*action, command.caption);
    if (command.needsMenu) menuCommands_.push_back(action);
  }
  // Exit keeps to the bar's right edge however wide the window is.
  commandBar_->pushRight();
  auto* exit = new QAction(commandIcon(CommandIcon::Exit), "Exit", this);
  exit->setToolTip("Exit the Commander.");
  exit->setStatusTip(exit->toolTip());
  connect(exit, &QAction::triggered, this, &QWidget::close);
  commandBar_->addCommand(*exit, "Exit");

  auto* bar = addToolBar("Commands");
  bar->setObjectName("tbCommands");
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->toggleViewAction()->setVisible(false);
  bar->addWidget(commandBar_);
}

QAction* MainWindow::addEntry(QMenu& menu, const QString& caption, const std::function<void()>& command) {
  QAction* action = menu.addAction(caption);
  connect(action, &QAction::triggered, this, [this, command] { run(command); });
  return action;
}

void MainWindow::buildMainMenu() {
  Commander& c = *commander_;
  QMenuBar* bar = menuBar();

  fileMenu_ = bar->addMenu("&File");
  QAction* newEntry = addEntry(*fileMenu_, "&New", [&c] { c.newMenu(); });
  newEntry->setShortcut(QKeySequence::New);
  newEntry->setStatusTip("Clear all current Commander information and choose a new applet style.");
  QAction* openEntry = addEntry(*fileMenu_, "&Open", [&c] { c.open(); });
  openEntry->setShortcut(QKeySequence::Open);
  openEntry->setStatusTip("Open an existing 'HTML' file that has one of the Quillon applets included.");
  fileMenu_->addSeparator();
  QAction* save = addEntry(*fileMenu_, "&Save", [&c] { c.save(SaveTrigger::Menu); });
  save->setShortcut(QKeySequence::Save);
  save->setStatusTip("Save the applet parameter code.");
  QAction* saveAs = addEntry(*fileMenu_, "Save &As", [&c] { c.saveAs(); });
  saveAs->setShortcut(QKeySequence("Ctrl+Shift+S"));
  saveAs->setStatusTip("Save the applet page under another name.");
  fileMenu_->addSeparator();
  QAction* preview = addEntry(*fileMenu_, "&Preview", [&c] { c.preview(); });
  preview->setShortcut(QKeySequence("F5"));
  preview->setStatusTip("Preview the applet in a browser window.");
  fileMenu_->addSeparator();
  QAction* exit = fileMenu_->addAction("&Exit");
  exit->setShortcut(QKeySequence("Ctrl+Q"));
  exit->setStatusTip("Exit the Commander.");
  connect(exit, &QAction::triggered, this, &QWidget::close);
  recentSeparator_ = fileMenu_->addSeparator();
  for (int n = 1; n <= RecentFiles::kSlots; ++n) {
    QAction* entry = addEntry(*fileMenu_, QString(), [&c, n] { c.openRecent(n); });
    entry->setStatusTip("Open this recently saved page.");
    entry->setVisible(false);
    recentEntries_[static_cast<std::size_t>(n - 1)] = entry;
  }
  recentSeparator_->setVisible(false);
  connect(fileMenu_, &QMenu::aboutToShow, this, &MainWindow::showRecentEntries);
  for (QAction* entry : {save, saveAs, preview}) menuCommands_.push_back(entry);

  QMenu* upload = bar->addMenu("&Upload");
  addEntry(*upload, "&Upload Report ", [&c] { c.uploadReport(); })->setStatusTip("Review the Upload report.");

  QMenu* deploy = bar->addMenu("&Deploy ");
  addEntry(*deploy, "Frames", [&c] { c.deploy(0); })->setStatusTip("Deploy the menu in a frameset page.");
  addEntry(*deploy, "Floating Window", [&c] { c.deploy(1); })
      ->setStatusTip("Deploy the menu in a floating window.");

  QMenu* index = bar->addMenu("&Auto-Index");
  addEntry(*index, "Internet or Intranet Site", [&c] { c.siteIndexer(0); })
      ->setStatusTip("Index a site over the Internet or an intranet.");
  addEntry(*index, "Local Network Site", [&c] { c.siteIndexer(1); })
      ->setStatusTip("Index a site on a local or network drive.");
  addEntry(*index, "Local Network Files", [&c] { c.siteIndexer(2); })
      ->setStatusTip("Add nodes for chosen local files.");

  QMenu* generate = bar->addMenu("&Generate");
  addEntry(*generate, "TreeView Navigation (Java Script)", [&c] { c.generateTreeView(); })
      ->setStatusTip("Generate a JavaScript tree view of the menu.");
  addEntry(*generate, "Dropdown Box Navigation (Java Script)", [&c] { c.generateDropDown(); })
      ->setStatusTip("Generate a JavaScript drop-down box of the menu.");
  addEntry(*generate, "Site Map (Pure HTML)", [&c] { c.generateSiteMap(); })
      ->setStatusTip("Generate a site map page of the menu.");

  QMenu* themes = bar->addMenu("&Themes");
  addEntry(*themes, "&Change Theme", [&c] { c.changeTheme(); })->setStatusTip("Give the menu the look of a theme.");
  menuMenus_ = {upload, deploy, index, generate, themes};

  QMenu* help = bar->addMenu("&Help");
  QAction* commanderHelp = addEntry(*help, "Commander &Help", [&c] { c.help(HelpPage::Commander); });
  commanderHelp->setShortcut(QKeySequence::HelpContents);
  commanderHelp->setStatusTip("Open the Commander's help page.");
  addEntry(*help, "On-line &Documentation", [&c] { c.help(HelpPage::Documentation); })
      ->setStatusTip("Open the documentation.");
  help->addSeparator();
  QMenu* samples = help->addMenu("&Sample Files [Examples]");
  samples->setStatusTip("Open sample pages of each kind of menu.");
  addEntry(*samples, "Quillon [Java Applet]", [&c] { c.help(HelpPage::AppletSamples); })
      ->setStatusTip("Samples of the applets.");
  addEntry(*samples, "Tree View [JavaScript]", [&c] { c.help(HelpPage::TreeViewSamples); })
      ->setStatusTip("Samples of the JavaScript tree view.");
  addEntry(*samples, "Drop Down Box [JavaScript]", [&c] { c.help(HelpPage::DropDownSamples); })
      ->setStatusTip("Samples of the JavaScript drop-down box.");
  addEntry(*samples, "Site Map [Pure HTML]", [&c] { c.help(HelpPage::SiteMapSamples); })
      ->setStatusTip("Samples of the site map.");
  help->addSeparator();
  QMenu* web = help->addMenu("Visit Morvane on the W&eb");
  web->setStatusTip("Open Morvane's web site.");
  addEntry(*web, "United States - East Coast", [&c] { c.vendorSite(VendorSite::UsEast); })
      ->setStatusTip("Morvane's site in the eastern United States.");
  addEntry(*web, "United States - West Coast", [&c] { c.vendorSite(VendorSite::UsWest); })
      ->setStatusTip("Morvane's site in the western United States.");
  addEntry(*web, "Australia", [&c] { c.vendorSite(VendorSite::Australia); })
      ->setStatusTip("Morvane's site in Australia.");
  help->addSeparator();
  addEntry(*help, "&About", [&c] { c.about(); })->setStatusTip("Who made the Commander, and its version.");
}

void MainWindow::showRecentEntries() {
  commander_->fileMenuOpened();
  const QFontMetrics metrics(fileMenu_->font());
  const TextWidth width = [&metrics](const std::string& text) { return metrics.horizontalAdvance(toQString(text)); };
  bool any = false;
  for (int n = 1; n <= RecentFiles::kSlots; ++n) {
    const std::string& path = commander_->recentFiles().entries()[static_cast<std::size_t>(n - 1)];
    QAction* entry = recentEntries_[static_cast<std::size_t>(n - 1)];
    entry->setVisible(!path.empty());
    if (path.empty()) continue;
    any = true;
    // The number keeps its accelerator; an "&" in the path is shown as written.
    const QString caption = toQString(recentEntryCaption(n, path, width));
    entry->setText(caption.left(3) + caption.mid(3).replace('&', "&&"));
    entry->setToolTip(toQString(path));
  }
  recentSeparator_->setVisible(any);
}

QAction* MainWindow::menuEntry(const QString& caption) const {
  for (QAction* action : menuBar()->findChildren<QAction*>()) {
    if (action->text() == caption) return action;
  }
  for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
    if (menu->title() == caption) return menu->menuAction();
  }
  return nullptr;
}

}  // namespace quillon::gui
