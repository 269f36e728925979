#pragma once
// The breadth-first walk over a site: from the start page, every link found
// becomes a node under the node of the page that holds it, and the HTML pages
// under the start page's folder are read on in turn.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

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

// Bounds for a walk that would otherwise not end; none by default.
struct CrawlLimits {
  // Pages read (fetched or loaded), the start page included.
  std::optional<std::size_t> maxPages;
  // Links followed from the start page: the links of a page this deep are not extracted.
  std::optional<std::size_t> maxDepth;
};

struct CrawlSurroundings {
  UserInterface& ui;
  MenuModel& menu;  // nodes go into the current tab's tree; the log beside its page
  IndexerState& state;
  PageSource& pages;
  LinkPathFor linkPath;
};

struct CrawlResult {
  // The walk ended without Abort, a failed start page or an error.
  bool succeeded = false;
  // Every address whose page was read, once, in the order of the walk.
  std::vector<std::string> pagesRead;
};

CrawlResult crawlSite(CrawlMode mode, const std::string& startAddress, const SiteNodeSettings& settings,
                      const CrawlLimits& limits, CrawlSurroundings& surroundings);

}  // namespace quillon
