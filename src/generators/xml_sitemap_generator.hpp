#pragma once
// The XML sitemap: every page of its own site the menu links to, as the
// sitemap.xml that search engines read (sitemaps.org), written beside the
// menu page; more than one file holds, a sitemap index and numbered files.
#include <optional>
#include <string>
#include <vector>

#include "format/web_address.hpp"
#include "format/xml_sitemap.hpp"
#include "generators/generation.hpp"
#include "generators/generator_options.hpp"

namespace quillon {

inline constexpr const char* kXmlSitemapName = "sitemap.xml";

// The base URL as the address of the menu page's folder, ending in "/".
// Nothing, with the reason, when it is missing or not an http(s) address.
std::optional<WebAddress> sitemapBase(const std::string& baseUrl, std::string& problem);

// The line robots.txt needs to name the sitemap ("Sitemap: https://…/sitemap.xml");
// empty while the base URL is refused.
std::string robotsSitemapLine(const std::string& baseUrl);

struct SitemapAddresses {
  std::vector<std::string> addresses;  // distinct, in menu order, without "#" parts
  std::size_t tooLong = 0;             // left out: longer than a <loc> may be
};

// The pages of the base's site that the tabs and nodes link to; links to other
// sites, other schemes (mailto:) and bookmarks alone are left out. The base
// is one sitemapBase gave.
SitemapAddresses sitemapAddresses(const MenuModel& menu, const WebAddress& base);

GenerationResult generateXmlSitemap(const XmlSitemapOptions& options, GeneratorContext& context, bool preview,
                                    const SitemapBounds& bounds = {});

}  // namespace quillon
