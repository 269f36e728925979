#pragma once
// The page addresses an XML sitemap lists, read from a web address or a file:
// a sitemap, a sitemap index (its sitemaps read in turn), or a robots.txt
// (the sitemaps its "Sitemap:" lines name); a site's bare address stands for
// its robots.txt. Files compressed with gzip are unpacked, within bounds.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "format/xml_sitemap.hpp"
#include "indexer/indexer_state.hpp"
#include "indexer/page_source.hpp"

namespace quillon {

struct SitemapReadLimits {
  // Sitemap files read in one run, indexes included.
  std::size_t maxFiles = 1000;
  // An index may name an index this many times over.
  std::size_t maxNesting = 2;
  // Page addresses taken in all: the page cap of the crawl.
  std::size_t maxAddresses = 10000;
  std::size_t maxAddressLength = 2000;
  std::size_t entriesPerFile = xml_sitemap::kMaxEntries;
  // Of one file, unpacked.
  std::size_t bytesPerFile = xml_sitemap::kMaxBytes;
};

struct SitemapListing {
  // "scheme://host" of the site the pages belong to.
  std::string site;
  // The pages in the order the sitemaps list them, each once, in their normal form.
  std::vector<std::string> addresses;
};

// Reads the sitemaps from `start` (a web address, or the path of a file on
// disk), the files on the web through `web`. Nothing when a file cannot be
// read or is no sitemap; `problem` then says which and why, and the log has
// what was read until then.
std::optional<SitemapListing> readSitemaps(const std::string& start, const SitemapReadLimits& limits,
                                           PageSource& web, CrawlLog& log, std::string& problem);

// The addresses of the "Sitemap:" lines of a robots.txt, in order.
std::vector<std::string> robotsSitemaps(std::string_view robotsText);

// Bytes that begin as gzip data are unpacked in place, to at most `limit`
// bytes; false, with the reason in `problem`, for damaged data or more.
bool unpackIfGzip(std::string& bytes, std::size_t limit, std::string& problem);

}  // namespace quillon
