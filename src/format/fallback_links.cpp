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

FallbackLinks::FallbackLinks(std::string& out, const std::string& codebase) : out_(out) {
  std::string folder = codebase == "." ? "" : codebase;
  if (!folder.empty() && folder.back() != '/') folder += '/';
  folder_ = escapeHtmlAttribute(folder);
}

// A line break in an address or target turns into a blank, which neither makes
// nor unmakes "None", a scheme or a root: they are judged on the texts as given.
void FallbackLinks::item(int level, std::string_view caption, std::string_view url, std::string_view target) {
  if (empty_) out_ += "\t<NOSCRIPT>\r\n\t<UL>\r\n";
  empty_ = false;
  for (; depth_ < level; ++depth_) out_ += "\t<UL>\r\n";
  for (; depth_ > level; --depth_) out_ += "\t</UL>\r\n";
  if (isNone(url)) {
    out_ += "\t<LI>";
    appendOnOneLine(out_, caption, true);
    out_ += "\r\n";
    return;
  }
  out_ += "\t<LI><A HREF=\"";
  if (!standsAlone(url)) out_ += folder_;
  appendOnOneLine(out_, url, true);
  out_ += '"';
  if (!isNone(target)) {
    out_ += " TARGET=\"";
    appendOnOneLine(out_, target, true);
    out_ += '"';
  }
  out_ += '>';
  appendOnOneLine(out_, caption, true);
  out_ += "</A>\r\n";
}

void FallbackLinks::finish() {
  if (empty_) return;
  for (; depth_ > 0; --depth_) out_ += "\t</UL>\r\n";
  out_ += "\t</UL>\r\n\t</NOSCRIPT>\r\n";
}

}  // namespace quillon
