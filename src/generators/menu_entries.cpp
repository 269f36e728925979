#include "generators/menu_entries.hpp"

#include "format/byte_scan.hpp"
#include "format/param_values.hpp"
#include "format/site_layout.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

std::vector<std::string> pathSegments(const std::string& path) {
  std::vector<std::string> segments;
  std::size_t start = 0;
  while (start <= path.size()) {
    std::size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    segments.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return segments;
}

// A scheme ("http:", "mailto:"), a root or a fragment: the link does not depend on the folder.
bool isFolderIndependent(const std::string& url) {
  if (url.empty() || url[0] == '/' || url[0] == '#' || url[0] == '?') return true;
  const std::size_t colon = url.find(':');
  return colon != std::string::npos && colon < url.find_first_of("/?#");
}

}  // namespace

std::string relativeToCodebase(const std::string& codebase, const std::string& url) {
  if (url.empty()) return url;
  const std::string link = withForwardSlashes(url);
  if (isPageFolderSetting(codebase) || isFolderIndependent(link)) return link;

  const std::size_t pathEnd = link.find_first_of("?#");
  const std::string path = link.substr(0, pathEnd);
  const std::string rest = pathEnd == std::string::npos ? "" : link.substr(pathEnd);

  // The class folder's segments, then the link's, with ".." taking one back.
  std::vector<std::string> resolved;
  auto step = [&resolved](const std::string& segment) {
    if (segment.empty() || segment == ".") return;
    if (segment == ".." && !resolved.empty() && resolved.back() != "..") {
      resolved.pop_back();
    } else {
      resolved.push_back(segment);
    }
  };
  for (const auto& segment : pathSegments(withForwardSlashes(codebase))) step(segment);
  const std::vector<std::string> linkSegments = pathSegments(path);
  for (const auto& segment : linkSegments) step(segment);

  std::string result;
  for (const auto& segment : resolved) {
    if (!result.empty()) result += '/';
    result += segment;
  }
  const std::string& last = linkSegments.back();
  const bool namesFolder = last.empty() || last == "." || last == "..";
  if (namesFolder && !result.empty()) result += '/';
  if (result.empty()) result = "./";
  return result + rest;
}

std::string entryUrl(const std::string& url1, const TAppletSettings& settings) {
  if (equalsNoCase(url1, "none")) return "";
  return relativeToCodebase(settings.Codebase, url1);
}

std::string_view entryTarget(const std::string& target1) {
  return equalsNoCase(target1, "none") ? std::string_view() : target1;
}

std::string_view entryStatusText(const std::string& statusText) {
  return equalsNoCase(statusText, "none") ? std::string_view() : statusText;
}

std::size_t menuEntryCount(const MenuModel& menu, const EntryReading& reading) {
  const std::size_t tabs = static_cast<std::size_t>(menu.tabCount());
  switch (menu.Settings.Kind) {
    case akTab:
      return tabs;
    case akTree:
      return tabs > 0 ? menu.tab(0).Nodes.size() : 0;
    case akTabTree:
      break;
  }
  std::size_t count = reading.tabRecords ? tabs : 0;
  for (int t = 0; t < menu.tabCount(); ++t) count += menu.tab(t).Nodes.size();
  return count;
}

void visitMenuEntries(const MenuModel& menu, const EntryReading& reading, std::deque<std::string>& changed,
                      const std::function<void(const MenuEntry&)>& visit) {
  const TAppletSettings& settings = menu.Settings;
  const bool linksFromPage = isPageFolderSetting(settings.Codebase);
  auto keep = [&changed](std::string text) -> std::string_view { return changed.emplace_back(std::move(text)); };
  auto oneLine = [&](std::string_view text) -> std::string_view {
    if (!holdsAnyOf<'\r', '\n'>(text)) return text;
    return keep(onOneLine(std::string(text)));
  };
  auto url = [&](const std::string& url1) -> std::string_view {
    if (equalsNoCase(url1, "none")) return {};
    const bool asWritten = url1.find('\\') == std::string::npos && (linksFromPage || isFolderIndependent(url1));
    return asWritten ? std::string_view(url1) : keep(entryUrl(url1, settings));
  };
  auto add = [&](const MenuEntry& entry) {
    visit(entry);
    if (reading.onEntry) reading.onEntry();
  };
  auto addTab = [&](const TAppletPage& tab, int index) {
    add({oneLine(tab.Caption), url(tab.TabPage.URL1), entryTarget(tab.TabPage.Target1),
         oneLine(entryStatusText(tab.TabPage.StatusText)),
         index, 0, true});
  };
  auto addNodes = [&](const TAppletPage& tab, int index, int levelOffset) {
    tab.Nodes.visitInPageOrder([&](const TreeNode& node, int level) {
      add({oneLine(node.Text), url(node.Data.URL1), entryTarget(node.Data.Target1),
           oneLine(entryStatusText(node.Data.StatusText)), index,
           level + levelOffset, false});
    });
  };

  switch (settings.Kind) {
    case akTab:
      for (int t = 0; t < menu.tabCount(); ++t) addTab(menu.tab(t), t);
      break;
    case akTree:
      if (menu.tabCount() > 0) addNodes(menu.tab(0), 0, 0);
      break;
    case akTabTree:
      for (int t = 0; t < menu.tabCount(); ++t) {
        if (reading.tabRecords) addTab(menu.tab(t), t);
        addNodes(menu.tab(t), t, reading.tabRecords ? 1 : 0);
      }
      break;
  }
}

MenuEntries readMenuEntries(const MenuModel& menu, const EntryReading& reading) {
  MenuEntries result;
  result.entries_.reserve(menuEntryCount(menu, reading));
  visitMenuEntries(menu, reading, result.changed_, [&result](const MenuEntry& entry) { result.entries_.push_back(entry); });
  return result;
}

}  // namespace quillon
