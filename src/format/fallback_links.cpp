#include "format/fallback_links.hpp"

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

}  // namespace

FallbackLinks::FallbackLinks(const std::string& codebase) {
  std::string folder = codebase == "." ? "" : codebase;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  folder_ = escapeHtmlAttribute(folder);
}

// A line break in an address or target turns into a blank, which neither makes
// nor unmakes "None", a scheme or a root: they are judged on the texts as given.
void FallbackLinks::item(int level, std::string_view caption, std::string_view url, std::string_view target) {
  if (lists_.empty()) lists_ += "\t<NOSCRIPT>\r\n\t<UL>\r\n";
  for (; depth_ < level; ++depth_) lists_ += "\t<UL>\r\n";
  for (; depth_ > level; --depth_) lists_ += "\t</UL>\r\n";
  if (isNone(url)) {
    lists_ += "\t<LI>";
    appendOnOneLine(lists_, caption, true);
    lists_ += "\r\n";
    return;
  }
  lists_ += "\t<LI><A HREF=\"";
  if (!standsAlone(url)) lists_ += folder_;
  appendOnOneLine(lists_, url, true);
  lists_ += '"';
  if (!isNone(target)) {
    lists_ += " TARGET=\"";
    appendOnOneLine(lists_, target, true);
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
