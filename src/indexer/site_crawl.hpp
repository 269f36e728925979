#pragma once
// The breadth-first walk over a site: from the start page, every link found
// becomes a node under the node of the page that holds it, and the HTML pages
// under the start page's folder are read on in turn, each address once.
#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "indexer/address_patterns.hpp"
#include "indexer/crawl_limits.hpp"
#include "indexer/indexer_settings.hpp"
#include "indexer/indexer_state.hpp"
#include "indexer/page_source.hpp"
#include "indexer/url_rules.hpp"
#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

inline constexpr const char* kCrawlLogName = "SiteIndexer.log";

// The link text the main window gives a file: relative to the applet's
// class folder, "/"-separated; "None" for an empty or "none" path.
using LinkPathFor = std::function<std::string(const std::string& file)>;

// How a walk goes besides the node settings.
struct CrawlRules {
  CrawlLimits limits;
  // Internet mode: robots.txt of the site is read and obeyed.
  bool obeyRobots = true;
  // Internet mode: an address inside the site is a page when the server calls
  // its answer HTML, whatever its extension; otherwise the extension decides.
  bool pagesByType = true;
  // Internet mode: a robots.txt Crawl-delay spaces the requests to its host.
  bool honourCrawlDelay = false;
  // Past the start page, only the addresses these let through are read.
  AddressPatterns patterns;
};

using SteadyNow = std::function<std::chrono::steady_clock::time_point()>;

struct CrawlSurroundings {
  UserInterface& ui;
  MenuModel& menu;  // nodes go into the current tab's tree; the log beside its page
  IndexerState& state;
  PageSource& pages;
  LinkPathFor linkPath;
  // The clock of the time limit.
  SteadyNow now = [] { return std::chrono::steady_clock::now(); };
  // Asks the pages' source to leave this gap between requests to the host.
  std::function<void(const std::string& host, std::chrono::milliseconds gap)> spaceRequests = nullptr;
};

struct CrawlResult {
  // The walk ended without Abort, a failed start page or an error.
  bool succeeded = false;
  // Every address whose page was read, once, in the order of the walk.
  std::vector<std::string> pagesRead;
};

// Where a run's log is saved: beside the page; empty for a menu never saved,
// which has no folder for it (the window still shows it).
std::string crawlLogPath(const MenuModel& menu);

// Saves the run's log at its path; one that cannot be written is told as an
// error, never left for saved.
void saveCrawlLog(CrawlSurroundings& surroundings);

// Files no server answers as a page: not even asked for when pages are known by their type.
bool isKnownNonPage(const std::string& address);

CrawlResult crawlSite(CrawlMode mode, const std::string& startAddress, const SiteNodeSettings& settings,
                      const CrawlRules& rules, CrawlSurroundings& surroundings);

}  // namespace quillon
