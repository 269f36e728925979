#include "indexer/url_rules.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "format/text_helpers.hpp"
#include "format/web_address.hpp"

namespace quillon {

namespace {

constexpr std::size_t npos = std::string::npos;

// Schemes whose links are never resolved or followed.
constexpr std::array<std::string_view, 9> kForeignSchemes = {"mailto:", "https:", "news:",  "nntp:", "telnet:",
                                                             "newsrc:", "wais:",  "gopher:", "ftp:"};

bool containsNoCase(const std::string& lowerText, std::string_view lowerSought) {
  return lowerText.find(lowerSought) != npos;
}

bool hasForeignScheme(const std::string& lowerText) {
  return std::any_of(kForeignSchemes.begin(), kForeignSchemes.end(),
                     [&](std::string_view scheme) { return containsNoCase(lowerText, scheme); });
}

bool isWindowsStylePath(const std::string& path) {
  return path.find('\\') != npos || (path.size() >= 2 && path[1] == ':');
}

// The folder of a path without its final separator, except where that
// separator follows another separator or a drive (a root keeps it).
std::string folderOfPath(const std::string& path, const char* separators) {
  const std::size_t at = path.find_last_of(separators);
  if (at == npos) return {};
  const bool separatorAlone = path[at] != ':' && at > 0 && std::string_view(separators).find(path[at - 1]) == npos;
  return path.substr(0, separatorAlone ? at : at + 1);
}

std::string afterLast(const std::string& text, const char* separators) {
  const std::size_t at = text.find_last_of(separators);
  return at == npos ? text : text.substr(at + 1);
}

// The page's folder with the link after it, dot segments removed: a local
// path, "/" separated. A leading "/" is taken from the page's folder too, as
// a site on disk has no root of its own.
std::string resolveLocalLink(const std::string& codebase, const std::string& page, std::string link) {
  if (link.starts_with("/")) link.erase(0, 1);
  const std::size_t at = page.find_last_of('/');
  const std::string joined = at == npos ? codebase + "/" + link : page.substr(0, at + 1) + link;
  return removeDotSegments(joined);
}

std::optional<WebAddress> webAddressOf(const std::string& text) {
  std::optional<WebAddress> address = parseAbsoluteAddress(text);
  if (address) *address = normalised(std::move(*address));
  return address;
}

bool isWebScheme(const WebAddress& address) { return address.scheme == "http" || address.scheme == "https"; }

std::string withSlashes(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

}  // namespace

std::string getCodebase(CrawlMode mode, const std::string& address) {
  if (mode == CrawlMode::Local) return folderOfPath(address, isWindowsStylePath(address) ? "\\:" : "/");
  std::optional<WebAddress> site = webAddressOf(address);
  // Not a web address: nothing to take a folder from.
  if (!site || !isWebScheme(*site)) return address;
  site->path.erase(site->path.rfind('/') + 1);
  site->query.reset();
  site->fragment.reset();
  return site->text();
}

bool isExternalLink(CrawlMode mode, const std::string& codebase, const std::string& address) {
  if (codebase.empty()) return true;
  if (mode == CrawlMode::Internet) {
    const std::optional<WebAddress> web = webAddressOf(address);
    return !web || !isWebScheme(*web) || !lowerAscii(web->text(false)).starts_with(lowerAscii(codebase));
  }
  const std::string lower = lowerAscii(address);
  if (containsNoCase(lower, "http:") || hasForeignScheme(lower)) return true;
  // Inside the folder itself or below it, once ".." is worked out.
  const std::string folder = lowerAscii(codebase);
  if (!lower.starts_with(folder)) return true;
  const bool folderEndsWithSeparator = folder.ends_with('/') || folder.ends_with('\\') || folder.ends_with(':');
  return !folderEndsWithSeparator && lower.size() > folder.size() && lower[folder.size()] != '/' &&
         lower[folder.size()] != '\\';
}

bool keepsLinkAsWritten(CrawlMode mode, const std::string& link) {
  if (mode == CrawlMode::Internet) return hasScheme(link);
  const std::string lower = lowerAscii(link);
  return containsNoCase(lower, "http:") || hasForeignScheme(lower);
}

std::string normalWebAddress(const std::string& address) {
  const std::optional<WebAddress> web = webAddressOf(address);
  return web ? web->text() : address;
}

std::string relativeToAbsoluteURL(CrawlMode mode, const std::string& codebase, const std::string& page,
                                  const std::string& link) {
  if (link.empty()) return {};
  if (mode == CrawlMode::Internet) {
    const std::optional<WebAddress> absolute = parseAbsoluteAddress(link);
    // mailto:, ftp:, javascript: and the like are no addresses to resolve.
    if (absolute && !isWebScheme(*absolute)) return link;
    std::optional<WebAddress> base = parseAbsoluteAddress(page);
    if (!base || !isWebScheme(*base)) base = parseAbsoluteAddress(codebase);
    if (!base) return codebase + "/" + link;
    return normalised(resolveReference(*base, link)).text();
  }
  if (keepsLinkAsWritten(mode, link)) return link;
  if (isWindowsStylePath(page)) {
    return withSlashes(resolveLocalLink(withSlashes(codebase, '\\', '/'), withSlashes(page, '\\', '/'),
                                        withSlashes(link, '\\', '/')),
                       '/', '\\');
  }
  // A POSIX site: a "\" written in a link is a separator too.
  return resolveLocalLink(codebase, page, withSlashes(link, '\\', '/'));
}

std::string trimBookMark(const std::string& address) {
  const std::size_t at = address.find('#');
  return at == npos || at == 0 ? address : address.substr(0, at);
}

std::string getFileName(CrawlMode mode, const std::string& address) {
  if (mode == CrawlMode::Local) return localFileName(address);
  return afterLast(address, "/");
}

bool isHTMLFile(const std::string& text) {
  const std::string lower = lowerAscii(text);
  return containsNoCase(lower, ".htm") || containsNoCase(lower, ".cgi") || containsNoCase(lower, ".asp") ||
         containsNoCase(lower, ".idc");
}

std::string linkFileName(const std::string& text) { return afterLast(trimBookMark(text), "/\\:"); }

std::string afterLastBackslashOrColon(const std::string& text) { return afterLast(text, "\\:"); }

std::string localFileName(const std::string& path) {
  return afterLast(path, isWindowsStylePath(path) ? "\\:" : "/");
}

}  // namespace quillon
