#pragma once
// The Commander's main window: the command bar, the main menu, the
// construction area beside the settings pages, and the status line. Every
// command goes to Commander; after each one the window shows what the model
// and the window state say.
#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "app/commander.hpp"
#include "gui/refreshing_user_interface.hpp"

class QAction;
class QLabel;
class QMenu;
class QStackedWidget;

namespace quillon::gui {

class CommandBar;
class ConstructionArea;
class SettingsPages;
class StatusLine;

inline constexpr const char* kMainWindowTitle = "Morvane's Quillon - Commander";
inline constexpr const char* kNoMenuText = "Please choose an option from the Task bar.";

class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kDesignWidth = 635;
  static constexpr int kDesignHeight = 500;
  static constexpr int kSettingsWidth = 405;

  // The ports stay the caller's; tests hand in scripted ones.
  explicit MainWindow(CommanderPorts ports, QWidget* parent = nullptr);
  ~MainWindow() override;

  Commander& commander() { return *commander_; }
  CommandBar& commandBar() const { return *commandBar_; }
  ConstructionArea& constructionArea() const { return *constructionArea_; }
  SettingsPages& settingsPages() const { return *settingsPages_; }
  StatusLine& statusLine() const { return *statusLine_; }
  QLabel& noMenuHint() const { return *noMenuHint_; }
  // The main menu's entry with this caption ("&Preview"); null when there is none.
  QAction* menuEntry(const QString& caption) const;

  // Runs a command, then shows the model and the window state again. A
  // command asked for while another runs (its long work lets events in) is
  // refused, as Commander refuses it too.
  void run(const std::function<void()>& command);
  void refreshFromModel();

  // Reads a page as Open does once the file is chosen.
  bool openPage(const std::string& path);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildCommands();
  void buildCommandBar();
  void buildMainMenu();
  QAction* addEntry(QMenu& menu, const QString& caption, const std::function<void()>& command);
  void showRecentEntries();
  void showState(bool menuRead);
  void applyAppletSize(int width, int height);
  void centreOnScreen();

  // The commands' user interface: the window shows the model before each message box.
  RefreshingUserInterface ui_;
  std::unique_ptr<Commander> commander_;
  CommandBar* commandBar_ = nullptr;
  QStackedWidget* centre_ = nullptr;
  QLabel* noMenuHint_ = nullptr;
  ConstructionArea* constructionArea_ = nullptr;
  SettingsPages* settingsPages_ = nullptr;
  StatusLine* statusLine_ = nullptr;

  // Toolbar commands that need an open menu, and the menu entries likewise.
  std::vector<QAction*> menuCommands_;
  std::vector<QMenu*> menuMenus_;
  QMenu* fileMenu_ = nullptr;
  QAction* recentSeparator_ = nullptr;
  std::array<QAction*, RecentFiles::kSlots> recentEntries_{};
  SettingsPage shownActivePage_ = SettingsPage::Applet;
  int running_ = 0;
};

}  // namespace quillon::gui
