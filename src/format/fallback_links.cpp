#include "format/fallback_links.hpp"

#include "format/byte_kinds.hpp"
#include "format/html_escape.hpp"
#include "format/param_values.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

bool isNone(std::string_view value) { return value.empty() || equalsNoCase(value, "None"); }

// An address with a scheme ("http:", "mailto:") or from the site's root stands
// as it is; any other is below the code base.
bool standsAlone(std::string_view url) {
  if (url[0] == '/') return true;
  const std::size_t colon = url.find(':');
  return colon != std::string_view::npos && colon > 0 && url.find_first_of("/?#") > colon;
}

// The text on one line: itself when it has no line break, else a copy in a
// scratch string whose room is used again.
std::string_view oneLine(std::string_view text, std::string& scratch) {
  if ((byteKindsIn(text) & kLineBreakByte) == 0) return text;
  scratch.clear();
  appendOnOneLine(scratch, text);
  return scratch;
}

}  // namespace

FallbackLinks::FallbackLinks(const std::string& codebase) {
  if (codebase != ".") folder_ = codebase;
  if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
}

void FallbackLinks::item(int level, std::string_view caption, std::string_view rawUrl, std::string_view rawTarget) {
  if (lists_.empty()) lists_ += "\t<NOSCRIPT>\r\n\t<UL>\r\n";
  const std::string_view url = oneLine(rawUrl, urlScratch_);
  const std::string_view target = oneLine(rawTarget, targetScratch_);
  for (; depth_ < level; ++depth_) lists_ += "\t<UL>\r\n";
  for (; depth_ > level; --depth_) lists_ += "\t</UL>\r\n";
  if (isNone(url)) {
    lists_ += "\t<LI>";
    appendOnOneLine(lists_, caption, true);
    lists_ += "\r\n";
    return;
  }
  lists_ += "\t<LI><A HREF=\"";
  if (!standsAlone(url)) appendHtmlAttribute(lists_, folder_);
  appendHtmlAttribute(lists_, url);
  lists_ += '"';
  if (!isNone(target)) {
    lists_ += " TARGET=\"";
    appendHtmlAttribute(lists_, target);
    lists_ += '"';
  }
  lists_ += '>';
  appendOnOneLine(lists_, caption, true);
  lists_ += "</A>\r\n";
}

void FallbackLinks::appendTo(std::string& out) {
  if (lists_.empty()) return;
  out += lists_;
  for (int depth = depth_; depth > 0; --depth) out += "\t</UL>\r\n";
  out += "\t</UL>\r\n\t</NOSCRIPT>\r\n";
}

}  // namespace quillon
