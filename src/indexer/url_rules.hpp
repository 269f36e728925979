#pragma once
// The indexer's rules for turning the links of a page into addresses it can
// fetch and compare. Web addresses follow the standard reference rules
// (web_address.hpp) and come out in their normal form. File paths of a site
// on disk are joined to the page's folder with "." and ".." worked out; a
// link beginning with "/" is taken from the page's folder too. Paths with a
// drive letter or a "\" keep "\" separators; other local paths are POSIX
// paths with "/" separators.
#include <string>

namespace quillon {

enum class CrawlMode { Internet, Local };

// The site folder: the folder part of the start address. A web address gives
// its normal form up to the last "/" of its path ("http://host/dir/" stays
// whole); a file path its folder without the final separator.
std::string getCodebase(CrawlMode mode, const std::string& address);

// True when the address lies outside the site folder or uses a scheme the
// crawl does not follow. Inside means: the normal form of the address (or the
// path with ".." worked out) begins with the folder, ignoring case, at a
// folder boundary.
bool isExternalLink(CrawlMode mode, const std::string& codebase, const std::string& address);

// The absolute address of `link` found in the page at `page` (its final
// address or its base). A web address keeps its "#" part; a link with a
// scheme other than http and https comes back unchanged.
std::string relativeToAbsoluteURL(CrawlMode mode, const std::string& codebase, const std::string& page,
                                  const std::string& link);

// True when a link names its own scheme and so leads where it says: any
// scheme for a web page ("mailto:", "http://other/"), a web or foreign scheme
// in a page on disk. Such a link is a node's link as written.
bool keepsLinkAsWritten(CrawlMode mode, const std::string& link);

// The normal form of a web address (web_address.hpp); any other text unchanged.
std::string normalWebAddress(const std::string& address);

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
