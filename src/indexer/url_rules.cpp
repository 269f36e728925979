#include "indexer/url_rules.hpp"

#include <algorithm>
#include <array>
#include <string_view>

#include "format/text_helpers.hpp"

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

std::size_t countOccurrences(const std::string& text, std::string_view sought) {
  std::size_t count = 0;
  for (std::size_t at = text.find(sought); at != npos; at = text.find(sought, at + sought.size())) ++count;
  return count;
}

// Resolution without the local separator rule.
std::string resolveLink(const std::string& codebase, const std::string& page, std::string link) {
  const std::string fallback = codebase + "/" + link;
  if (link.find("../") != npos) {
    if (link.starts_with("./")) link.erase(0, 2);
    if (link.starts_with("/")) link.erase(0, 1);
    // The "../" parts are taken to stand at the front, wherever they were found.
    const std::size_t ups = countOccurrences(link, "../");
    for (std::size_t i = 0; i < ups; ++i) link.erase(0, 3);
    std::size_t seen = 0;
    for (std::size_t k = page.size(); k-- > 0;) {
      if (page[k] != '/' && page[k] != '\\') continue;
      if (++seen == ups + 1) return page.substr(0, k + 1) + link;
    }
    return fallback;
  }
  if (link.starts_with("/") || link.starts_with("\\")) link.erase(0, 1);
  const std::size_t at = page.find_last_of("/\\");
  if (at == npos) return fallback;
  // A bare host such as "http://host" has only the slashes of its scheme.
  if (page.starts_with("http://") && at + 1 <= 8) return page + "/" + link;
  return page.substr(0, at + 1) + link;
}

}  // namespace

std::string getCodebase(CrawlMode mode, const std::string& address) {
  if (mode == CrawlMode::Local) return folderOfPath(address, isWindowsStylePath(address) ? "\\:" : "/");
  if (address.empty()) return {};
  std::string copy = address;
  if (copy.back() == '/' || copy.back() == '\\') copy.pop_back();
  const std::size_t at = copy.find_last_of("/\\");
  // Only a slash beyond those of "http://" ends a folder.
  if (at != npos && at + 1 > 7) return copy.substr(0, at);
  return address;
}

bool isExternalLink(CrawlMode mode, const std::string& codebase, const std::string& address) {
  const std::string lower = lowerAscii(address);
  if (mode == CrawlMode::Local && containsNoCase(lower, "http:")) return true;
  if (hasForeignScheme(lower)) return true;
  return codebase.empty() || !containsNoCase(lower, lowerAscii(codebase));
}

std::string relativeToAbsoluteURL(CrawlMode mode, const std::string& codebase, const std::string& page,
                                  const std::string& link) {
  if (link.empty()) return {};
  const std::string lower = lowerAscii(link);
  if (containsNoCase(lower, "http:") || hasForeignScheme(lower)) return link;
  if (mode == CrawlMode::Internet) return resolveLink(codebase, page, link);
  if (isWindowsStylePath(page)) {
    std::string result = resolveLink(codebase, page, link);
    std::replace(result.begin(), result.end(), '/', '\\');
    return result;
  }
  // A POSIX site: a "\" written in a link is a separator too.
  std::string posixLink = link;
  std::replace(posixLink.begin(), posixLink.end(), '\\', '/');
  return resolveLink(codebase, page, posixLink);
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
