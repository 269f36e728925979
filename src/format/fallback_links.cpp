#include "format/fallback_links.hpp"

#include "format/html_escape.hpp"
#include "format/param_values.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

bool isNone(const std::string& value) { return value.empty() || equalsNoCase(value, "None"); }

// An address with a scheme ("http:", "mailto:") or from the site's root stands
// as it is; any other is below the code base.
bool standsAlone(const std::string& url) {
  if (url[0] == '/') return true;
  const std::size_t colon = url.find(':');
  return colon != std::string::npos && colon > 0 && url.find_first_of("/?#") > colon;
}

// The text on one line, in a scratch string whose room is used again.
const std::string& oneLine(const std::string& text, std::string& scratch) {
  scratch.clear();
  appendOnOneLine(scratch, text);
  return scratch;
}

class ListWriter {
 public:
  ListWriter(std::string& out, const std::string& codebase) : out_(out), start_(out.size()) {
    if (codebase != ".") folder_ = codebase;
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    out_ += "\t<NOSCRIPT>\r\n\t<UL>\r\n";
  }

  // Levels come in page order and deepen one at a time.
  // Texts go on one line, as in the entries they stand beside.
  void item(int level, const std::string& caption, const std::string& rawUrl, const std::string& rawTarget) {
    empty_ = false;
    const std::string& url = oneLine(rawUrl, urlScratch_);
    const std::string& target = oneLine(rawTarget, targetScratch_);
    for (; depth_ < level; ++depth_) out_ += "\t<UL>\r\n";
    for (; depth_ > level; --depth_) out_ += "\t</UL>\r\n";
    if (isNone(url)) {
      out_ += "\t<LI>";
      appendOnOneLine(out_, caption, true);
      out_ += "\r\n";
      return;
    }
    out_ += "\t<LI><A HREF=\"";
    if (!standsAlone(url)) appendHtmlAttribute(out_, folder_);
    appendHtmlAttribute(out_, url);
    out_ += '"';
    if (!isNone(target)) {
      out_ += " TARGET=\"";
      appendHtmlAttribute(out_, target);
      out_ += '"';
    }
    out_ += '>';
    appendOnOneLine(out_, caption, true);
    out_ += "</A>\r\n";
  }

  // Closes the lists, or takes them back when they hold no entry.
  void finish() {
    if (empty_) {
      out_.resize(start_);
      return;
    }
    for (; depth_ > 0; --depth_) out_ += "\t</UL>\r\n";
    out_ += "\t</UL>\r\n\t</NOSCRIPT>\r\n";
  }

 private:
  std::string& out_;
  std::size_t start_;
  std::string folder_;
  std::string urlScratch_;
  std::string targetScratch_;
  int depth_ = 0;
  bool empty_ = true;
};

}  // namespace

void appendFallbackLinks(std::string& out, const MenuModel& menu, const std::string& codebase) {
  const TAppletKind kind = menu.Settings.Kind;
  const int nodeLevel = hasTabs(kind) ? 1 : 0;
  ListWriter list(out, codebase);
  for (int i = 0; i < menu.tabCount(); ++i) {
    const TAppletPage& tab = menu.tab(i);
    if (hasTabs(kind)) list.item(0, tab.Caption, tab.TabPage.URL1, tab.TabPage.Target1);
    if (!hasTrees(kind)) continue;
    tab.Nodes.forEachInPageOrder([&](const TreeNode& node, int level) {
      list.item(nodeLevel + level, node.Text, node.Data.URL1, node.Data.Target1);
    });
  }
  list.finish();
}

}  // namespace quillon
