#include "indexer/sitemap_files.hpp"

#include <unordered_set>

#include "format/text_helpers.hpp"
#include "format/web_address.hpp"
#include "net/content_decoder.hpp"

namespace quillon {

namespace {

bool isWebScheme(const std::string& scheme) { return scheme == "http" || scheme == "https"; }

std::optional<WebAddress> webAddressOf(const std::string& text) {
  std::optional<WebAddress> address = parseAbsoluteAddress(text);
  if (!address || !isWebScheme(address->scheme)) return std::nullopt;
  return normalised(std::move(*address));
}

std::string sizeText(std::size_t bytes) {
  constexpr std::size_t kMegabyte = 1024 * 1024;
  return bytes % kMegabyte == 0 ? std::to_string(bytes / kMegabyte) + " MB" : std::to_string(bytes) + " bytes";
}

bool namesRobotsTxt(const std::string& path) {
  return path == "robots.txt" || path.ends_with("/robots.txt");
}

class SitemapReading {
 public:
  SitemapReading(const SitemapReadLimits& limits, PageSource& web, CrawlLog& log)
      : limits_(limits), web_(web), log_(log) {}

  std::optional<SitemapListing> run(const std::string& start, std::string& problem) {
    const bool read = start.empty() ? fail(start, "no sitemap is given") : readStart(start);
    if (!read) {
      problem = problem_;
      return std::nullopt;
    }
    logLeftOut();
    return std::move(listing_);
  }

 private:
  // What one file held, unpacked; nothing when it could not be had.
  std::optional<std::string> fetch(const std::string& where, bool onDisk) {
    log_.add(" ");
    log_.add(">>> READING SITEMAP: ", where);
    std::string bytes;
    if (onDisk) {
      // One byte more than allowed tells a file that is too big.
      if (!readRegularFile(where, bytes, limits_.bytesPerFile + 1)) {
        fail(where, "the file cannot be read");
        return std::nullopt;
      }
    } else {
      PageRead page = web_.read(where, ReadKind::File);
      if (!page.read) {
        fail(where, "it cannot be fetched; the log says why");
        return std::nullopt;
      }
      bytes = std::move(page.bytes);
    }
    std::string unpackProblem;
    if (!unpackIfGzip(bytes, limits_.bytesPerFile, unpackProblem)) {
      fail(where, unpackProblem);
      return std::nullopt;
    }
    if (bytes.size() > limits_.bytesPerFile) {
      fail(where, "it is larger than " + sizeText(limits_.bytesPerFile));
      return std::nullopt;
    }
    return bytes;
  }

  bool readStart(const std::string& start) {
    const std::optional<WebAddress> web = webAddressOf(start);
    if (!web) {
      if (parseAbsoluteAddress(start) && !start.starts_with("/")) return fail(start, "it is no http or https address");
      return namesRobotsTxt(start) ? readRobots(start, true) : readSitemap(start, true, 0);
    }
    site_ = web->authority;
    listing_.site = originOf(*web);
    const std::string address = web->text(false);
    if (namesRobotsTxt(web->path)) return readRobots(address, false);
    // A site's own address: its robots.txt says where its sitemaps are.
    if (web->path == "/" && !web->query) return readRobots(listing_.site + "/robots.txt", false, true);
    return readSitemap(address, false, 0);
  }

  bool readRobots(const std::string& where, bool onDisk, bool siteAddress = false) {
    const std::optional<std::string> text = fetch(where, onDisk);
    if (!text) return false;
    const std::vector<std::string> sitemaps = robotsSitemaps(*text);
    log_.add("  > SITEMAP LINES: " + std::to_string(sitemaps.size()));
    if (sitemaps.empty() && siteAddress) {
      // The place a sitemap is looked for when nothing says otherwise.
      log_.add("  > NO SITEMAP LINE, TRYING: ", listing_.site + "/sitemap.xml");
      return readSitemap(listing_.site + "/sitemap.xml", false, 0);
    }
    if (sitemaps.empty()) return fail(where, "it has no \"Sitemap:\" line");
    return readNamedSitemaps(sitemaps, 0);
  }

  bool readNamedSitemaps(const std::vector<std::string>& sitemaps, std::size_t nesting) {
    for (const std::string& sitemap : sitemaps) {
      if (full()) break;
      const std::optional<std::string> address = keptAddress(sitemap);
      if (address && !readSitemap(*address, false, nesting)) return false;
    }
    return true;
  }

  bool readSitemap(const std::string& where, bool onDisk, std::size_t nesting) {
    if (!filesRead_.insert(where).second) {
      log_.add("  > ALREADY READ: ", where);
      return true;
    }
    if (filesRead_.size() > limits_.maxFiles) {
      log_.add("*** SITEMAP FILE LIMIT REACHED (" + std::to_string(limits_.maxFiles) +
               " files): the rest are left out");
      filesFull_ = true;
      return true;
    }
    const std::optional<std::string> text = fetch(where, onDisk);
    if (!text) return false;
    std::string problem;
    const std::optional<SitemapContent> content = parseSitemap(*text, problem, limits_.entriesPerFile);
    if (!content) return fail(where, problem);
    if (content->kind == SitemapKind::Index) {
      log_.add("  > SITEMAP INDEX: " + std::to_string(content->locations.size()) + " sitemaps");
      if (nesting >= limits_.maxNesting) {
        return fail(where, "sitemap indexes name each other more than " + std::to_string(limits_.maxNesting) +
                               " deep");
      }
      return readNamedSitemaps(content->locations, nesting + 1);
    }
    const std::size_t before = listing_.addresses.size();
    for (const std::string& location : content->locations) {
      if (full()) break;
      const std::optional<std::string> address = keptAddress(location);
      if (address && pagesSeen_.insert(*address).second) {
        listing_.addresses.push_back(*address);
      } else if (address) {
        ++duplicates_;
      }
    }
    log_.add("  > SITEMAP: " + std::to_string(content->locations.size()) + " addresses, " +
             std::to_string(listing_.addresses.size() - before) + " new");
    return true;
  }

  // The address in its normal form, or nothing (counted) when it is left out.
  std::optional<std::string> keptAddress(const std::string& location) {
    const std::optional<WebAddress> web = webAddressOf(location);
    if (!web) {
      ++notWeb_;
      return std::nullopt;
    }
    // A file on disk belongs to the site of the first address it lists.
    if (site_.empty()) {
      site_ = web->authority;
      listing_.site = originOf(*web);
    }
    if (web->authority != site_) {
      ++otherHosts_;
      return std::nullopt;
    }
    std::string address = web->text(false);
    if (address.size() > limits_.maxAddressLength) {
      ++tooLong_;
      return std::nullopt;
    }
    return address;
  }

  bool full() {
    if (listing_.addresses.size() < limits_.maxAddresses) return filesFull_;
    if (!pagesFull_) {
      log_.add("*** PAGE LIMIT REACHED (Max Pages = " + std::to_string(limits_.maxAddresses) +
               "): the rest of the sitemaps is left out");
    }
    pagesFull_ = true;
    return true;
  }

  void logLeftOut() {
    log_.add(" ");
    log_.add(">>> SITEMAP PAGES: " + std::to_string(listing_.addresses.size()));
    log_.add("  > LEFT OUT: " + std::to_string(otherHosts_) + " on other hosts, " + std::to_string(notWeb_) +
             " not http or https, " + std::to_string(duplicates_) + " duplicates, " + std::to_string(tooLong_) +
             " longer than " + std::to_string(limits_.maxAddressLength) + " characters");
  }

  bool fail(const std::string& where, const std::string& why) {
    problem_ = "The sitemap " + where + " cannot be used: " + why + ".";
    log_.add("*** ", problem_);
    return false;
  }

  const SitemapReadLimits& limits_;
  PageSource& web_;
  CrawlLog& log_;
  SitemapListing listing_;
  std::string site_;  // host and port the pages must have
  std::unordered_set<std::string> filesRead_;
  std::unordered_set<std::string> pagesSeen_;
  std::size_t otherHosts_ = 0;
  std::size_t notWeb_ = 0;
  std::size_t duplicates_ = 0;
  std::size_t tooLong_ = 0;
  bool filesFull_ = false;
  bool pagesFull_ = false;
  std::string problem_;
};

}  // namespace

std::optional<SitemapListing> readSitemaps(const std::string& start, const SitemapReadLimits& limits,
                                           PageSource& web, CrawlLog& log, std::string& problem) {
  return SitemapReading(limits, web, log).run(start, problem);
}

std::vector<std::string> robotsSitemaps(std::string_view robotsText) {
  std::vector<std::string> sitemaps;
  std::string_view text = robotsText;
  while (!text.empty()) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string line = trim(std::string(text.substr(0, end)));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || lowerAscii(trim(line.substr(0, colon))) != "sitemap") continue;
    // The value is an address, whose own "#" is no comment.
    const std::string value = trim(line.substr(colon + 1));
    if (!value.empty()) sitemaps.push_back(value);
  }
  return sitemaps;
}

bool unpackIfGzip(std::string& bytes, std::size_t limit, std::string& problem) {
  if (!bytes.starts_with("\x1f\x8b")) return true;
  net::ContentDecoder decoder(net::ContentCoding::Gzip);
  std::string unpacked;
  bool tooBig = false;
  const bool decoded = decoder.decode(bytes, [&](const char* data, std::size_t length) {
    if (unpacked.size() + length > limit) {
      tooBig = true;
      return false;
    }
    unpacked.append(data, length);
    return true;
  });
  if (tooBig) {
    problem = "it unpacks to more than " + sizeText(limit);
    return false;
  }
  if (!decoded || !decoder.finished()) {
    problem = "its gzip data is damaged";
    return false;
  }
  bytes = std::move(unpacked);
  return true;
}

}  // namespace quillon
