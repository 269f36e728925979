#pragma once
// The indexer's own rules for turning the links of a page into addresses it
// can fetch and compare, for web addresses and for file paths alike. They are
// deliberately simpler than general reference resolution: a link beginning
// with "/" is taken relative to the page's folder, and only "http://" is
// recognised when a page address is split. Paths with a drive letter or a "\"
// keep the "\" rules; other local paths are POSIX paths with "/" separators.
#include <string>

namespace quillon {

enum class CrawlMode { Internet, Local };

// The site folder: the folder part of the start address.
std::string getCodebase(CrawlMode mode, const std::string& address);

// True when the address lies outside the site folder (plain containment,
// ignoring case) or uses a scheme the crawl does not follow.
bool isExternalLink(CrawlMode mode, const std::string& codebase, const std::string& address);

// The absolute address of `link` found in the page at `page`.
std::string relativeToAbsoluteURL(CrawlMode mode, const std::string& codebase, const std::string& page,
                                  const std::string& link);

// The address without its bookmark; a text that begins with "#" stays whole.
std::string trimBookMark(const std::string& address);

// The file-name part of an address; empty for a web address ending in "/".
std::string getFileName(CrawlMode mode, const std::string& address);

// True when the text names a page: it contains ".htm", ".cgi", ".asp" or ".idc" in any case.
bool isHTMLFile(const std::string& text);

// What follows the last "/", "\" or ":" of the text without its bookmark: the
// short name of an address or link, whichever separators it uses.
std::string linkFileName(const std::string& text);

// What follows the last "\" or ":" (the whole text when there is neither).
std::string afterLastBackslashOrColon(const std::string& text);

// The file name of a local path: after the last "/" of a POSIX path, after the
// last "\" or ":" of a path with a drive letter or a "\".
std::string localFileName(const std::string& path);

}  // namespace quillon
