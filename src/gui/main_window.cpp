#include "gui/main_window.hpp"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStackedWidget>
#include <algorithm>
#include <exception>

#include "gui/about_dialog.hpp"
#include "gui/command_bar.hpp"
#include "gui/construction_area.hpp"
#include "gui/qt_text.hpp"
#include "gui/settings_pages.hpp"
#include "gui/status_line.hpp"

namespace quillon::gui {

namespace {

enum CentrePage { kNoMenuPage = 0, kMenuPage = 1 };

CommanderPorts withUserInterface(CommanderPorts ports, UserInterface& ui) {
  return {ui, ports.clipboard, ports.browser, ports.windows, ports.programSettings, ports.userSettings,
          std::move(ports.programFolder), std::move(ports.cacheFolder), std::move(ports.projectsFolder)};
}

}  // namespace

MainWindow::MainWindow(CommanderPorts ports, QWidget* parent)
    : QMainWindow(parent),
      ui_(ports.ui,
          [this] {
            if (settingsPages_) refreshFromModel();
          }),
      commander_(std::make_unique<Commander>(withUserInterface(std::move(ports), ui_))) {
  setWindowTitle(kMainWindowTitle);
  setObjectName("frmMain");

  statusLine_ = new StatusLine(this);
  setStatusBar(statusLine_);

  centre_ = new QStackedWidget(this);
  noMenuHint_ = new QLabel(kNoMenuText, centre_);
  noMenuHint_->setAlignment(Qt::AlignCenter);
  noMenuHint_->setToolTip("Start with New, Open or Demo on the task bar, or a recent page from the File menu.");
  QFont hintFont = noMenuHint_->font();
  hintFont.setPointSizeF(hintFont.pointSizeF() * 1.3);
  hintFont.setBold(true);
  noMenuHint_->setFont(hintFont);
  centre_->addWidget(noMenuHint_);

  auto* work = new QWidget(centre_);
  auto* row = new QHBoxLayout(work);
  row->setContentsMargins(4, 4, 4, 4);
  constructionArea_ = new ConstructionArea(commander_->menu(), work);
  settingsPages_ = new SettingsPages(*commander_, work);
  settingsPages_->setFixedWidth(kSettingsWidth);
  row->addWidget(constructionArea_, 1);
  row->addWidget(settingsPages_, 0);
  centre_->addWidget(work);

  buildCommands();
  setCentralWidget(centre_);
  setTabOrder(constructionArea_, settingsPages_);

  // The current tab or node changed: the editors show the new one. An edit on
  // the pages changed what the trees show.
  connect(constructionArea_, &ConstructionArea::selectionChanged, settingsPages_, &SettingsPages::refreshFromModel);
  connect(constructionArea_, &ConstructionArea::menuChanged, settingsPages_, &SettingsPages::refreshFromModel);
  connect(settingsPages_, &SettingsPages::menuChanged, constructionArea_, &ConstructionArea::followChange);
  connect(settingsPages_, &SettingsPages::appletSizeApplied, this, &MainWindow::applyAppletSize);

  resize(kDesignWidth, kDesignHeight);
  centreOnScreen();
  refreshFromModel();
}

MainWindow::~MainWindow() = default;

void MainWindow::centreOnScreen() {
  const QScreen* shown = screen();
  if (!shown) return;
  QRect frame = frameGeometry();
  frame.moveCenter(shown->availableGeometry().center());
  move(frame.topLeft());
}

void MainWindow::run(const std::function<void()>& command) {
  if (running_ > 0) return;
  const int menusShown = commander_->state().menusShown;
  ++running_;
  try {
    command();
  } catch (const std::exception& error) {
    commander_->ui().message(MessageKind::Error, error.what());
  }
  --running_;
  showState(commander_->state().menusShown != menusShown);
  constructionArea_->refreshFromModel();
  settingsPages_->refreshFromModel();
}

bool MainWindow::openPage(const std::string& path) {
  bool found = false;
  run([&] { found = commander_->openPage(path); });
  return found;
}

void MainWindow::refreshFromModel() {
  showState(false);
  constructionArea_->refreshFromModel();
  settingsPages_->refreshFromModel();
}

void MainWindow::showState(bool menuRead) {
  const WindowState& state = commander_->state();
  centre_->setCurrentIndex(state.menuOpen ? kMenuPage : kNoMenuPage);
  for (QAction* action : menuCommands_) action->setEnabled(state.menuCommandsEnabled());
  for (QMenu* menu : menuMenus_) menu->menuAction()->setEnabled(state.menuCommandsEnabled());
  // The page the state names is shown when a menu is read or a command asks
  // for it (a missing default image shows "Tree"); otherwise the user's choice stays.
  if (menuRead || state.activePage != shownActivePage_) {
    settingsPages_->setActivePage(state.activePage);
    shownActivePage_ = state.activePage;
  }
}

void MainWindow::applyAppletSize(int width, int height) {
  // The construction area takes the applet's size, within what the screen can show.
  const QScreen* shown = screen();
  const QSize room = shown ? shown->availableGeometry().size() - QSize(kSettingsWidth + 40, 160) : QSize(1000, 800);
  constructionArea_->setFixedSize(std::clamp(width, 50, std::max(50, room.width())),
                                  std::clamp(height, 50, std::max(50, room.height())));
  if (QLayout* row = constructionArea_->parentWidget()->layout()) {
    row->setAlignment(constructionArea_, Qt::AlignLeft | Qt::AlignTop);
  }
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // A window closed while a command still runs waits for it to end.
  if (running_ > 0) {
    event->ignore();
    return;
  }
  ++running_;
  try {
    commander_->close();
  } catch (const std::exception& error) {
    commander_->ui().message(MessageKind::Error, error.what());
  }
  --running_;
  event->accept();
}

}  // namespace quillon::gui
