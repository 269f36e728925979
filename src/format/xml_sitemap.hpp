#pragma once
// The XML sitemap files of sitemaps.org: a <urlset> of <url><loc> entries, or
// a <sitemapindex> of <sitemap><loc> entries naming further sitemaps. Written
// by the XML sitemap generator, read by the indexer.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

namespace xml_sitemap {
inline constexpr const char* kNamespace = "http://www.sitemaps.org/schemas/sitemap/0.9";
// What one file may hold.
inline constexpr std::size_t kMaxEntries = 50000;
inline constexpr std::size_t kMaxBytes = 50 * 1024 * 1024;
// A <loc> holds fewer than 2,048 characters.
inline constexpr std::size_t kMaxAddressLength = 2047;
// Elements nest no deeper in a sitemap than a few levels; more is no sitemap.
inline constexpr std::size_t kMaxDepth = 16;
}  // namespace xml_sitemap

// & ' " < > as the five predefined entities of XML.
std::string escapeXml(std::string_view text);

// What one file may hold; the tests use small ones.
struct SitemapBounds {
  std::size_t entries = xml_sitemap::kMaxEntries;
  std::size_t bytes = xml_sitemap::kMaxBytes;
};

// The addresses as <urlset> files, in order, each within the bounds; one file
// (possibly empty) for no addresses.
std::vector<std::string> urlsetTexts(const std::vector<std::string>& addresses, const SitemapBounds& bounds = {});
// The same for views of the addresses.
std::vector<std::string> urlsetTextsOf(const std::vector<std::string_view>& addresses, const SitemapBounds& bounds = {});

// A <sitemapindex> naming the sitemaps at the addresses.
std::string sitemapIndexText(const std::vector<std::string>& sitemapAddresses);

enum class SitemapKind { UrlSet, Index };

struct SitemapContent {
  SitemapKind kind = SitemapKind::UrlSet;
  // The <loc> of each <url> (or <sitemap>), entities decoded, blanks trimmed, in order.
  std::vector<std::string> locations;
};

// Reads a sitemap or a sitemap index. Nothing when the text is no well-formed
// sitemap within the bounds; `problem` then says what is wrong and where
// ("the element <url> at line 4 is closed by </urlset>").
std::optional<SitemapContent> parseSitemap(std::string_view text, std::string& problem,
                                           std::size_t maxEntries = xml_sitemap::kMaxEntries);

}  // namespace quillon
