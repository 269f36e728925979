#pragma once
// The indexer window's logic: its three modes, the settings kept between
// runs, Start, Abort, Help and closing. The window is a thin view: it binds
// its controls to `settings`, shows `state()` and `layout()`, and calls the
// methods below from its events.
#include <optional>
#include <string>
#include <vector>

#include "indexer/download_folder.hpp"
#include "indexer/http_page_source.hpp"
#include "indexer/indexer_settings.hpp"
#include "indexer/indexer_state.hpp"
#include "indexer/site_crawl.hpp"
#include "model/menu_model.hpp"
#include "net/event_loop.hpp"
#include "net/message_pump.hpp"
#include "ports/browser.hpp"
#include "ports/settings_store.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

inline constexpr const char* kIndexerCaption = "Quillon - Commander [Auto Indexer)";

enum class IndexerTab { Internet = 0, LocalSite = 1, LocalFiles = 2, Sitemap = 3 };

// The captions of the three tabs, in order.
const std::vector<std::string>& indexerTabCaptions();

// What the window shows for a tab.
struct IndexerLayout {
  bool internetGroup = false;   // "URL": address and proxy
  bool driveGroup = false;      // "Index File": start file
  bool siteGroup = false;       // "Default settings" of the crawls
  bool localDirGroup = false;   // "Default settings" of the local files
  bool logAndAbort = false;     // the log box and the Abort button and label
  std::string startCaption;     // "Index" or "Browse"
  bool sitemapGroup = false;    // "Sitemap": its address or file
};

IndexerLayout indexerLayout(IndexerTab tab);

struct IndexerPorts {
  UserInterface& ui;
  Browser& browser;
  SettingsStore& programSettings;  // the "SiteIndexer" section of the settings file
  MenuModel& menu;                 // the main window's menu: nodes go into its current tree
  std::string programFolder;       // with a trailing "/"
  LinkPathFor linkPath;
  // Where each web crawl makes its scratch folder.
  std::string cacheFolder = indexerTempFolder();
};

class SiteIndexer {
 public:
  explicit SiteIndexer(IndexerPorts ports);
  SiteIndexer(const SiteIndexer&) = delete;
  SiteIndexer& operator=(const SiteIndexer&) = delete;

  IndexerSettings settings;

  IndexerState& state() { return state_; }
  const IndexerState& state() const { return state_; }
  IndexerTab tab() const { return tab_; }
  bool localMode() const { return localMode_; }
  IndexerLayout layout() const { return indexerLayout(tab_); }

  // Showing the window with its mode (nothing keeps the last one): the first
  // showing loads the kept settings; every showing clears the log.
  void formShow(std::optional<int> mode);
  // Choosing a tab sets the mode.
  void tabChanged(IndexerTab tab);
  // Start ("Index", or "Browse" on the local files tab). Refused while a run is on.
  void start();
  // The Abort button: asks "Stop Auto Indexer"; on Yes stops every request
  // and ends the walk after the entry in progress.
  void abortButtonClick();
  // The Abort label: stops the request the walk waits for only, in the Internet mode.
  void abortLabelClick();
  // Closing: keeps the settings. Refused (false) while a run is on; the
  // window then stays open.
  bool formClose();
  // The start file's browse button.
  void browseFile();
  // The sitemap file's browse button.
  void browseSitemap();
  // The address field losing the focus; false: the focus goes back to it.
  bool addressFieldExit() { return checkAddressField(settings.URL, ports_.ui); }
  // The width fields after each change.
  void maxWidthChanged() { checkMaxWidthField(settings.Site.MaxWidth, ports_.ui); }
  void localMaxWidthChanged() { checkMaxWidthField(settings.Files.MaxWidth, ports_.ui); }
  // The node text combo boxes.
  void nodeTextChosen(const std::string& choice) {
    chooseNodeText(settings.Site.NodeText, settings.Site.MaxWidth, choice);
  }
  void localNodeTextChosen(const std::string& choice) {
    chooseNodeText(settings.Files.NodeText, settings.Files.MaxWidth, choice);
  }
  // The indicator's timer, every 1000 ms while state().indicator.timerOn().
  void timerTick() { state_.indicator.tick(); }
  // Opens the help page of the tab in the browser.
  void help();

  // The runs themselves, also for the command line: the crawl from a start
  // address or file in the current mode, and the local files mode. A limit
  // field that is no number in its range, or a scratch folder that cannot be
  // made, is said in an error box and nothing is crawled.
  CrawlResult crawl(const std::string& startAddress);
  // The nodes of the pages the sitemap lists (a web address or a file). A
  // sitemap that cannot be read, or is none, is said in an error box and
  // nothing is added.
  CrawlResult indexSitemap(const std::string& sitemap);
  bool addLocalFiles(const std::vector<std::string>& files);

 private:
  void browseDir();

  IndexerPorts ports_;
  IndexerState state_;
  net::EventLoop loop_;
  net::UserInterfacePump pump_;
  // The pages of the web crawl under way, for Abort.
  HttpPageSource* webPages_ = nullptr;
  IndexerTab tab_ = IndexerTab::Internet;
  bool localMode_ = false;
  bool settingsLoaded_ = false;
};

}  // namespace quillon
