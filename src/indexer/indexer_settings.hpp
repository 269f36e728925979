#pragma once
// The indexer window's settings as plain data, one field per control, with
// the checks the window runs on them and the values kept between runs.
#include <string>
#include <vector>

#include "indexer/crawl_limits.hpp"
#include "ports/settings_store.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

inline constexpr const char* kIndexerSection = "SiteIndexer";

// The choices of the text combo boxes.
inline constexpr const char* kFileName = "File Name";
inline constexpr const char* kHTMLFileTitle = "HTML File Title";
inline constexpr const char* kURL = "URL";
inline constexpr const char* kRelativeToSavedPage = "Relative to Saved HTML File";

// "Default settings" of the two crawling tabs.
struct SiteNodeSettings {
  std::string NodeText = kFileName;         // cmbNodeText
  std::string MaxWidth = "30";              // txtMaxWidth: characters of a title
  std::string StatusBar = kHTMLFileTitle;   // cmbStatusBar
  std::string Target;                       // cmbTarget
  bool FileOnly = false;                    // chkFileOnly: "Index selected file only."
};

// "Default settings" of the local files tab.
struct LocalFilesSettings {
  std::string LocalDir;                     // txtLocalDir: folder of the last file added
  std::string NodeText = kFileName;         // cmbLNodeText
  std::string MaxWidth = "30";              // txtLMaxWidth
  std::string Statusbar = kHTMLFileTitle;   // cmbLStatusbar
  std::string Link = kFileName;             // cmbLLink
  std::string Target;                       // cmbLHref
};

struct IndexerSettings {
  std::string URL;                 // txtURL: start address of the Internet mode
  bool ObeyRobots = true;          // chkRobots: read and obey the site's robots.txt
  bool PagesByType = true;         // chkPagesByType: a page is what the server calls HTML
  bool HonourCrawlDelay = false;   // chkCrawlDelay: wait as robots.txt's Crawl-delay asks
  std::string ProxyHost;           // txtProxyHost
  std::string ProxyPort = "80";    // txtProxyPort
  std::string LocalFile;           // txtLocalFile: start file of the local mode
  std::string Sitemap;             // txtSitemap: address or file of the sitemap mode
  SiteNodeSettings Site;
  LocalFilesSettings Files;
  CrawlLimitFields Limits;         // "Limits" of the crawling tabs
  std::string Include;             // txtInclude: patterns, blank-separated; empty reads every address
  std::string Exclude;             // txtExclude: patterns, blank-separated
};

// The items each combo box offers.
const std::vector<std::string>& nodeTextChoices();       // cmbNodeText, with an empty item
const std::vector<std::string>& statusBarChoices();      // cmbStatusBar
const std::vector<std::string>& localNodeTextChoices();  // cmbLNodeText
const std::vector<std::string>& localStatusChoices();    // cmbLStatusbar, with an empty item
const std::vector<std::string>& localLinkChoices();      // cmbLLink
const std::vector<std::string>& targetChoices();         // cmbTarget and cmbLHref

// "Last Dir", "Last File", "Last URL", "Last Sitemap", "Proxy Host" and
// "Proxy Port" (default "80"); the limits ("Max Pages", "Max Depth", "Max URL Length", "Max Query
// Repeats", "Max Minutes", "Page Seconds", "Connections", "Delay"), "Include"
// and "Exclude", and "Obey Robots", "Pages By Type" and "Honour Crawl-delay"
// ("Yes" or "No"), each with its default when missing.
void loadIndexerSettings(const SettingsStore& store, IndexerSettings& settings);
void saveIndexerSettings(SettingsStore& store, const IndexerSettings& settings);

// The address field losing the focus: "http://" goes in front of an address
// without it ("https://" addresses stay as they are); an address with "//"
// after its scheme part is refused with "Not a valid URL" (false: the focus
// returns to the field).
bool checkAddressField(std::string& url, UserInterface& ui);

// A width field after each change: not a whole number gives a warning and
// "30", a number below 1 a warning and "5".
void checkMaxWidthField(std::string& width, UserInterface& ui);

// Choosing a node text: "HTML File Title" sets the width field to "30".
void chooseNodeText(std::string& nodeText, std::string& width, const std::string& choice);

// The width field and its label show only for "HTML File Title".
inline bool showsMaxWidth(const std::string& nodeText) { return nodeText == kHTMLFileTitle; }

}  // namespace quillon
