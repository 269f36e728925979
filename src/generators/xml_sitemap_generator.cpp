#include "generators/xml_sitemap_generator.hpp"

#include <deque>
#include <filesystem>
#include <fstream>

#include "format/text_helpers.hpp"
#include "generators/distinct_addresses.hpp"
#include "generators/menu_entries.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

bool isWebScheme(const std::string& scheme) { return scheme == "http" || scheme == "https"; }

// A file at the path that this generator may replace: none, or a sitemap.
bool mayReplace(const std::string& path) {
  std::error_code error;
  const fs::file_status status = fs::symlink_status(path, error);
  if (status.type() == fs::file_type::not_found) return true;
  if (status.type() != fs::file_type::regular) return false;
  std::ifstream file(path, std::ios::binary);
  std::string head(4096, '\0');
  file.read(head.data(), static_cast<std::streamsize>(head.size()));
  head.resize(static_cast<std::size_t>(file.gcount()));
  return head.find(xml_sitemap::kNamespace) != std::string::npos;
}

// The bytes a plain link does without: blanks, controls and non-ASCII bytes,
// those that normalising would percent-encode, and those that end the path.
struct PathStops {
  bool of[256] = {};
  PathStops() {
    for (int byte = 0; byte < 256; ++byte) of[byte] = byte <= 0x20 || byte >= 0x7F;
    for (const char c : {':', '?', '#', '"', '<', '>', '\\', '^', '`', '{', '|', '}'}) {
      of[static_cast<unsigned char>(c)] = true;
    }
  }
};
const PathStops kPathStops;

// A link of plain path characters, no dot segment among them, relative to
// the page's folder: its address is the base followed by the link, as
// resolving and normalising it would give, found without either.
bool isPlainRelativePath(std::string_view link) {
  if (link.empty() || link.front() == '/') return false;
  std::size_t segment = 0;  // where the segment being read starts
  for (std::size_t i = 0; i <= link.size(); ++i) {
    if (i == link.size() || link[i] == '/') {
      const std::string_view name = link.substr(segment, i - segment);
      if (name == "." || name == "..") return false;
      segment = i + 1;
    } else if (kPathStops.of[static_cast<unsigned char>(link[i])]) {
      return false;
    }
  }
  return true;
}

// The addresses of the menu's links to pages of the base's site.
DistinctAddresses siteAddresses(const MenuModel& menu, const WebAddress& base) {
  EntryReading reading;
  reading.tabRecords = true;
  DistinctAddresses found(xml_sitemap::kMaxAddressLength);
  const std::string origin = originOf(base);
  const std::string folder = base.text(false);
  // A link that names the site as its normal form does (as a crawl of the
  // site writes them) needs no resolving either when its path is plain.
  const std::string siteRoot = origin + "/";
  std::deque<std::string> changedTexts;
  visitMenuEntries(menu, reading, changedTexts, [&](const MenuEntry& entry) {
    if (entry.url.empty() || entry.url.front() == '#') return;
    const std::string_view link = entry.url.substr(0, entry.url.find('#'));
    std::string& text = found.next();
    if (isPlainRelativePath(link)) {
      text += folder;
      text += link;
    } else if (link.starts_with(siteRoot) && isPlainRelativePath(link.substr(siteRoot.size()))) {
      text += link;
    } else {
      const WebAddress address = normalised(resolveReference(base, entry.url));
      if (!isWebScheme(address.scheme) || originOf(address) != origin) return;
      text += address.text(false);
    }
    found.take();
  });
  return found;
}

std::string numberedName(std::size_t number) { return "sitemap-" + std::to_string(number) + ".xml"; }

}  // namespace

std::optional<WebAddress> sitemapBase(const std::string& baseUrl, std::string& problem) {
  const std::string text = trim(baseUrl);
  if (text.empty()) {
    problem = "Please enter the base URL: the web address of the menu page's folder, such as https://www.example.com/.";
    return std::nullopt;
  }
  std::optional<WebAddress> base = parseAbsoluteAddress(text);
  if (!base || !isWebScheme(base->scheme) || base->authority.empty()) {
    problem = "The base URL " + text + " is not an http:// or https:// address, such as https://www.example.com/.";
    return std::nullopt;
  }
  base = normalised(*base);
  base->query.reset();
  base->fragment.reset();
  if (!base->path.ends_with('/')) base->path += '/';
  return base;
}

std::string robotsSitemapLine(const std::string& baseUrl) {
  std::string problem;
  const std::optional<WebAddress> base = sitemapBase(baseUrl, problem);
  return base ? "Sitemap: " + resolveReference(*base, kXmlSitemapName).text() : "";
}

SitemapAddresses sitemapAddresses(const MenuModel& menu, const WebAddress& base) {
  const DistinctAddresses addresses = siteAddresses(menu, base);
  const DistinctAddresses::Found found = addresses.distinct();
  SitemapAddresses result;
  for (const std::string_view address : found.listed) result.addresses.emplace_back(address);
  result.tooLong = found.tooLong;
  return result;
}

GenerationResult generateXmlSitemap(const XmlSitemapOptions& options, GeneratorContext& context, bool preview,
                                    const SitemapBounds& bounds) {
  GenerationResult refused;
  const std::optional<WebAddress> base = sitemapBase(options.baseUrl, refused.failure);
  if (!base) return refused;
  const DistinctAddresses addresses = siteAddresses(context.menu, *base);
  const DistinctAddresses::Found found = addresses.distinct();
  if (found.listed.empty()) {
    refused.failure = "The menu links to no page of " + base->text() + ", so there is nothing to list.";
    return refused;
  }

  // The files in writing order: numbered ones first, so the index never names a missing one.
  std::vector<std::pair<std::string, std::string>> outputs;
  std::vector<std::string> texts = urlsetTextsOf(found.listed, bounds);
  if (texts.size() > 1) {
    std::vector<std::string> locations;
    for (std::size_t k = 0; k < texts.size(); ++k) {
      const std::string name = outputName(numberedName(k + 1), preview);
      locations.push_back(resolveReference(*base, name).text());
      outputs.emplace_back(name, std::move(texts[k]));
    }
    texts = {sitemapIndexText(locations)};
  }
  const std::string indexName = outputName(kXmlSitemapName, preview);
  outputs.emplace_back(indexName, std::move(texts.front()));

  GeneratedFiles files(context.menu);
  for (const auto& [name, text] : outputs) {
    if (!files.folder().empty() && !mayReplace(files.folder() + name)) {
      refused.failure = "The file " + files.folder() + name + " is not an XML sitemap and is not replaced.";
      return refused;
    }
  }
  for (const auto& [name, text] : outputs) {
    context.ui.processEvents();
    if (!files.writeFile(name, text)) break;
  }
  GenerationResult result = files.result();
  if (result.files.size() != outputs.size()) return result;
  result.pagePath = result.files.back();
  if (found.tooLong > 0) {
    result.failure = std::to_string(found.tooLong) + " addresses longer than " +
                     std::to_string(xml_sitemap::kMaxAddressLength) + " characters were left out of the sitemap.";
  }
  return result;
}

}  // namespace quillon
