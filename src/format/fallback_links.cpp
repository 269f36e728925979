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

class ListWriter {
 public:
  explicit ListWriter(const std::string& codebase) {
    if (codebase != ".") folder_ = codebase;
    if (!folder_.empty() && folder_.back() != '/') folder_ += '/';
    lines_.emplace_back("\t<NOSCRIPT>");
    lines_.emplace_back("\t<UL>");
  }

  // Levels come in page order and deepen one at a time.
  // Texts go on one line, as in the entries they stand beside.
  void item(int level, const std::string& caption, const std::string& rawUrl, const std::string& rawTarget) {
    const std::string url = onOneLine(rawUrl);
    const std::string target = onOneLine(rawTarget);
    for (; depth_ < level; ++depth_) lines_.emplace_back("\t<UL>");
    for (; depth_ > level; --depth_) lines_.emplace_back("\t</UL>");
    const std::string text = escapeHtmlAttribute(onOneLine(caption));
    if (isNone(url)) {
      lines_.push_back("\t<LI>" + text);
      return;
    }
    std::string link = "\t<LI><A HREF=\"" + escapeHtmlAttribute(standsAlone(url) ? url : folder_ + url) + "\"";
    if (!isNone(target)) link += " TARGET=\"" + escapeHtmlAttribute(target) + "\"";
    lines_.push_back(link + ">" + text + "</A>");
  }

  std::vector<std::string> finish() {
    for (; depth_ > 0; --depth_) lines_.emplace_back("\t</UL>");
    lines_.emplace_back("\t</UL>");
    lines_.emplace_back("\t</NOSCRIPT>");
    return std::move(lines_);
  }

  bool empty() const { return lines_.size() == 2; }

 private:
  std::string folder_;
  std::vector<std::string> lines_;
  int depth_ = 0;
};

}  // namespace

std::vector<std::string> fallbackLinks(const MenuModel& menu, const std::string& codebase) {
  const TAppletKind kind = menu.Settings.Kind;
  const int nodeLevel = hasTabs(kind) ? 1 : 0;
  ListWriter list(codebase);
  for (int i = 0; i < menu.tabCount(); ++i) {
    const TAppletPage& tab = menu.tab(i);
    if (hasTabs(kind)) list.item(0, tab.Caption, tab.TabPage.URL1, tab.TabPage.Target1);
    if (!hasTrees(kind)) continue;
    tab.Nodes.forEachInPageOrder([&](const TreeNode& node, int level) {
      list.item(nodeLevel + level, node.Text, node.Data.URL1, node.Data.Target1);
    });
  }
  if (list.empty()) return {};
  return list.finish();
}

}  // namespace quillon
