#pragma once
// The bounds that end every crawl, whatever a site does: pages read, depth,
// the length of an address, a query part repeated, the time of the whole
// walk and of one page; and how hard the site is pressed: requests at once
// and the pause between two to one host. The defaults are safe for a user who sets nothing;
// each is changeable in the window, on the command line and in the
// "SiteIndexer" settings.
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>

namespace quillon {

struct CrawlLimits {
  // Pages requested (fetched or loaded), the start page included.
  std::size_t maxPages = 10000;
  // Links followed from the start page: the links of a page this deep are not extracted.
  std::size_t maxDepth = 25;
  // Longer addresses are not read.
  std::size_t maxAddressLength = 2000;
  // An address whose query holds one part ("a=1" between "?", "&" or ";") more often is not read.
  std::size_t maxQueryRepeats = 3;
  // The walk ends after this long.
  std::chrono::seconds maxTime{std::chrono::minutes(30)};
  // One page that takes longer is given up; the walk goes on.
  std::chrono::seconds pageTime{30};
  // Requests under way at once. The walk's result is the same for any number.
  std::size_t connections = 4;
  // Between the starts of two requests to one host.
  std::chrono::milliseconds hostDelay{0};
};

inline constexpr std::size_t kMaxConnections = 32;

// The limits as the window's fields hold them: whole numbers as text.
struct CrawlLimitFields {
  std::string MaxPages = "10000";
  std::string MaxDepth = "25";
  std::string MaxAddressLength = "2000";
  std::string MaxQueryRepeats = "3";
  std::string MaxMinutes = "30";
  std::string PageSeconds = "30";
  std::string Connections = "4";
  std::string DelayMs = "0";
};

// The limits of the fields; a field that is no whole number in its range
// gives nothing and, in `problem`, the message that names it.
std::optional<CrawlLimits> crawlLimitsOf(const CrawlLimitFields& fields, std::string& problem);

// How often the most repeated part of the address's query occurs (0 without a query).
std::size_t queryRepeats(const std::string& address);

}  // namespace quillon
