#pragma once
// The nodes of the pages a sitemap lists, arranged by their folders: a node
// for the site's root, a folder node per path segment below it, and each page
// a leaf in its folder in the order the sitemap lists them (a folder's own
// address, "/docs/", is the folder node itself). Titles are read when the
// node or status text asks for them, every read announced first.
#include <string>
#include <vector>

#include "indexer/site_crawl.hpp"
#include "indexer/sitemap_files.hpp"

namespace quillon {

// Where a page goes: the folders of its path under the site's root, then its
// own name ("c.htm", "list?page=2"); an empty name for a folder's own address.
struct SitemapPlace {
  std::vector<std::string> folders;
  std::string name;
};
SitemapPlace sitemapPlaceOf(const std::string& address);

// Adds the nodes into the current tab's tree, the site's node on the level
// of the selected node, and saves the log beside the page as a crawl does.
CrawlResult addSitemapNodes(const SitemapListing& listing, const SiteNodeSettings& settings, const CrawlRules& rules,
                            CrawlSurroundings& surroundings);

}  // namespace quillon
