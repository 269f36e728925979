#pragma once
// Every command of the main window as a method, and the window's state as
// data a view reads. The desktop window and the command line both drive it.
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "app/program_folder.hpp"
#include "app/recent_files.hpp"
#include "app/window_state.hpp"
#include "format/page_writer.hpp"
#include "generators/page_style.hpp"
#include "indexer/download_folder.hpp"
#include "model/menu_model.hpp"
#include "model/menu_snapshot.hpp"
#include "ports/browser.hpp"
#include "ports/clipboard.hpp"
#include "ports/settings_store.hpp"
#include "ports/user_interface.hpp"
#include "ports/windows.hpp"

namespace quillon {

struct CommanderPorts {
  UserInterface& ui;
  Clipboard& clipboard;
  Browser& browser;
  Windows& windows;
  SettingsStore& programSettings;  // the settings file, quillon.ini
  SettingsStore& userSettings;     // the per-user store of the recent pages
  std::string programFolder;       // with a trailing "/"; only ever read
  // The user's own folders: the demonstration's copy goes below the cache
  // folder, and a page never saved is first offered in the projects folder.
  std::string cacheFolder = userCacheFolder();
  std::string projectsFolder = userProjectsFolder();
};

// Which of the two Save triggers ran: they differ in the words of the default-image message.
enum class SaveTrigger { Toolbar, Menu };

// The help and sample pages below the program's "files" folder.
enum class HelpPage { Commander, Documentation, AppletSamples, TreeViewSamples, DropDownSamples, SiteMapSamples };

enum class VendorSite { UsEast, UsWest, Australia };

class Commander {
 public:
  explicit Commander(CommanderPorts ports);

  MenuModel& menu() { return menu_; }
  const MenuModel& menu() const { return menu_; }
  const WindowState& state() const { return state_; }
  // The editing operations of the model and the style rules take these directly.
  UserInterface& ui() { return ports_.ui; }
  const std::string& programFolder() const { return ports_.programFolder; }
  Browser& browser() { return ports_.browser; }
  // The settings file, where the indexer window keeps its inputs.
  SettingsStore& programSettings() { return ports_.programSettings; }
  // The fonts, colours and picture of the generated pages, kept for the whole
  // run; a page read brings its own body colours, a new menu starts afresh.
  PageStyle& pageStyle() { return pageStyle_; }

  // The file commands.
  void newMenu();
  void open();
  // Reads a page as Open does once the file is chosen; false when it holds no applet.
  bool openPage(const std::string& path);
  void save(SaveTrigger trigger);
  void saveAs();
  void preview();
  void clipboard();
  void uploadReport();
  void demo();
  // "&Change Theme": the open menu takes the look of a theme of its kind.
  void changeTheme();
  void openRecent(int entry);  // 1 to 4
  // Refills the recent entries from the settings, as opening the "&File" menu does.
  void fileMenuOpened();
  const RecentFiles& recentFiles() const { return recentFiles_; }

  // The commands that open other windows.
  void siteIndexer(std::optional<int> mode);
  void deploy(std::optional<int> mode);
  void generate();
  void generateTreeView();
  void generateDropDown();
  void generateSiteMap();
  void about();
  void help(HelpPage page);
  void vendorSite(VendorSite site);

  // Closing the window, whichever way: offers to save, removes the preview page.
  void close();

  // Whether the menu holds anything that the page it was opened from or last
  // saved to does not; a menu never saved has changed.
  bool changedSinceSaved() const;

  // False, with the message and the "Tree" page shown, when the menu uses
  // icons but lacks a default image.
  bool checkDefaultImages(const std::string& action);

  // The window's two states.
  void showMenuOpen();
  void showNoMenu();

 private:
  // Refuses a command while another one runs, as long work lets events in.
  bool begin();
  void end() { running_ = false; }
  friend class CommandScope;

  WriterContext writerContext();
  // The demonstration not yet saved anywhere: its preview beside the copy it was read from.
  void previewDemo();
  void openInBrowser(const std::string& url);
  void loadStockImages();
  bool askToSaveFirst(const std::string& question);
  // Before a command replaces the open menu: the question Exit asks, when the
  // menu has changed; Yes saves first. False keeps the menu as it is.
  bool mayReplaceMenu();
  // The toolbar or menu Save inside another command.
  void saveWithCheck(SaveTrigger trigger);
  // Whether the writer ran (the location was not cancelled); a complete save of
  // the page itself becomes the state later changes are measured against.
  bool savePageNow(bool ask, WriteResult* result = nullptr);
  // The body colours of the page just read, for the font and colour settings.
  void takeBodyColors();

  CommanderPorts ports_;
  MenuModel menu_;
  WindowState state_;
  RecentFiles recentFiles_;
  PageStyle pageStyle_;
  // The menu as its page holds it, taken when it was read or saved.
  std::optional<MenuSnapshot> saved_;
  // The demonstration page read last, in the user's copy of the shipped pages.
  std::string demoPage_;
  bool running_ = false;
};

}  // namespace quillon
