#include "format/page_composer.hpp"

#include <algorithm>

#include "format/applet_files.hpp"
#include "format/fallback_links.hpp"
#include "format/html_escape.hpp"
#include "format/page_frame.hpp"
#include "format/param_values.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace {

const char* const kDefaultHeader[] = {
    "<HTML>",
    "<HEAD>",
    "<META charset=\"utf-8\">",
    "<META NAME=\"GENERATOR\" content=\"Morvane - Quillon\">",
    "<META NAME=\"DESCRIPTION\" content=\"Site navigation menu made with Quillon: tabs and trees of links.\">",
    "<TITLE>Quillon enhanced site</TITLE>",
    "</HEAD>",
    "<BODY>"};
const char* const kDefaultFooter[] = {"</BODY>", "</HTML>"};
const char* const kCopyrightNotice = "Quillon navigation applet, copyright Morvane. All rights reserved.";

class Composer {
 public:
  Composer(MenuModel& menu, const SiteLayout& layout, const std::function<void()>& onStep)
      : menu_(menu), settings_(menu.Settings), layout_(layout), onStep_(onStep) {}

  ComposedPage run() {
    for (const std::string* background : {&settings_.TabBackImage, &settings_.TreeBackImage}) {
      if (!background->empty()) addToCopyList(*background);
    }
    writeHeader();
    writeAppletTag();
    writeGeneralParameters();
    if (hasTabs(settings_.Kind)) writeTabParameters();
    if (hasTrees(settings_.Kind)) {
      writeTreeParameters();
      writeDefaultImageParameters();
    }
    for (int i = 0; i < menu_.tabCount(); ++i) writeTab(i);
    const std::vector<std::string> fallback = fallbackLinks(menu_, codebase());
    page_.lines.insert(page_.lines.end(), fallback.begin(), fallback.end());
    page_.lines.emplace_back("</APPLET>");
    page_.lines.push_back(menuScriptLine(codebase()));
    writeFooter();
    return std::move(page_);
  }

 private:
  bool imagesWritten() const { return !settings_.ProxyEnhanced && settings_.UseIcons; }

  void step() {
    if (onStep_) onStep_();
  }

  void param(const std::string& name, const std::string& value) {
    page_.lines.push_back("\t<PARAM NAME=\"" + name + "\" VALUE=\"" + escapeHtmlAttribute(value) + "\">");
  }

  void addToCopyList(const std::string& path) {
    if (std::find(page_.copyList.begin(), page_.copyList.end(), path) == page_.copyList.end()) {
      page_.copyList.push_back(path);
    }
  }

  std::string imageReference(const std::string& path) const { return layout_.imagePrefix + extractFileName(path); }

  std::string imageReference(int index) const { return imageReference(menu_.Images.ImageFiles().at(static_cast<std::size_t>(index))); }

  void writeHeader() {
    const auto& header = menu_.Document.HeaderLines;
    if (header.empty()) {
      page_.lines.assign(std::begin(kDefaultHeader), std::end(kDefaultHeader));
    } else {
      page_.lines.assign(header.begin(), header.end() - 1);
    }
  }

  void writeFooter() {
    const auto& footer = menu_.Document.FooterLines;
    if (footer.empty()) {
      page_.lines.insert(page_.lines.end(), std::begin(kDefaultFooter), std::end(kDefaultFooter));
    } else {
      page_.lines.insert(page_.lines.end(), footer.begin(), footer.end());
    }
  }

  // The CODEBASE as the applet tag gives it, before escaping.
  std::string codebase() const {
    return isPageFolderSetting(settings_.Codebase) ? "." : withForwardSlashes(settings_.Codebase);
  }

  void writeAppletTag() {
    const AppletNames names = appletNamesFor(settings_.Kind);
    page_.lines.push_back("<APPLET CODEBASE=\"" + escapeHtmlAttribute(codebase()) + "\" NAME=\"" + names.name + "\" ARCHIVE=\"" +
                          names.archive + "\" CODE=\"" + names.code + "\" WIDTH=" + settings_.Width +
                          " HEIGHT=" + settings_.Height + ">");
  }

  void writeGeneralParameters() {
    param("Copyright", kCopyrightNotice);
    param("PROXY", yesNo(settings_.ProxyEnhanced));
    if (!settings_.ProxyEnhanced && (!settings_.ImageDir.empty() || !settings_.Codebase.empty())) {
      param("IMAGEDIR", withForwardSlashes(settings_.ImageDir.empty() ? settings_.Codebase : settings_.ImageDir));
    }
    if (!settings_.OverSoundName.empty()) param("MOUSEOVERSOUND", settings_.OverSoundName);
    if (!settings_.ClickSoundName.empty()) param("MOUSECLICKSOUND", settings_.ClickSoundName);
  }

  void writeTabParameters() {
    param("TAB_BG", colorToRGBText(settings_.TabBackColor));
    param("TAB_FG", colorToRGBText(settings_.TabTextColor));
    param("TAB_MOUSEOVER", colorToRGBText(settings_.TabMouseOverColor));
    param("TAB_FONT", fontValue(settings_.TabFontName, settings_.TabFontSize));
    if (!settings_.TabBackImage.empty() && !settings_.ProxyEnhanced) {
      param("TAB_BG_IMAGE", imageReference(settings_.TabBackImage));
    }
    param("TABONBOTTOM", yesNo(settings_.TabOnBottom));
    param("SHOWTABSONLY", yesNo(settings_.ShowTabsOnly && settings_.Kind == akTabTree));
    param("TAB_DEFAULT", settings_.DefaultTab == -1 ? "999" : std::to_string(settings_.DefaultTab));
    page_.lines.emplace_back();
  }

  void writeTreeParameters() {
    const bool tabTree = settings_.Kind == akTabTree;
    auto name = [tabTree](const char* tabTreeName, const char* treeName) { return tabTree ? tabTreeName : treeName; };
    auto color = [this, &name](const char* tabTreeName, const char* treeName, Color value) {
      param(name(tabTreeName, treeName), colorToRGBText(value));
    };
    param(name("TREE_FONT", "FONT"), fontValue(settings_.TreeFontName, settings_.TreeFontSize));
    color("TREE_BG", "BACKGROUND", settings_.TreeBackColor);
    color("TREE_FG", "FOREGROUND", settings_.TreeTextColor);
    color("TREE_SEL_BG", "SELBACKGROUND", settings_.TreeSelBackColor);
    color("TREE_SEL_FG", "SELFOREGROUND", settings_.TreeSelTextColor);
    color("TREE_TOOLTIPBACKCOLOR", "TOOLTIPBACKCOLOR", settings_.TooltipBackColor);
    color("TREE_TOOLTIPFORECOLOR", "TOOLTIPFORECOLOR", settings_.TooltipTextColor);
    // The Tree applet reads its mouse-over colour after the frame colour.
    if (tabTree) color("TREE_MOUSEOVER", "", settings_.MouseOverColor);
    color("TREE_LINECOLOR", "LINECOLOR", settings_.LineColor);
    color("TREE_LEAFCOLOR", "LEAFCOLOR", settings_.LeafColor);
    color("TREE_FOLDERCCOLOR", "FOLDERCCOLOR", settings_.FolderClosedColor);
    color("TREE_FOLDEROCOLOR", "FOLDEROCOLOR", settings_.FolderOpenColor);
    color("TREE_MOUSEOVERFRAMECOLOR", "MOUSEOVERFRAMECOLOR", settings_.MouseOverFrameColor);
    if (!tabTree) color("", "MOUSEOVER", settings_.MouseOverColor);
    if (!settings_.TreeBackImage.empty() && !settings_.ProxyEnhanced) {
      param(name("TREE_BG_IMAGE", "BACKGROUNDIMAGE"), imageReference(settings_.TreeBackImage));
    }
    param(name("TREE_BORDER", "BORDER"), yesNo(settings_.ShowBorder));
    param(name("TREE_TOOLTIP", "TOOLTIP"), yesNo(settings_.ShowTooltip));
    param(name("TREE_DOUBLECLICK", "DOUBLECLICK"), yesNo(settings_.DoubleClickExpand));
    param(name("TREE_AUTOEXPAND", "AUTOEXPAND"), yesNo(settings_.StartExpanded));
    if (settings_.MouseOverFrame != TMouseOverFrame::None) {
      param(name("TREE_MOUSEOVERFRAME", "MOUSEOVERFRAME"),
            settings_.MouseOverFrame == TMouseOverFrame::Rect ? "Rect" : "Line");
    }
    param(name("TREE_STYLE", "STYLE"), styleLetters(settings_));
    if (!tabTree && settings_.ContentInFile) param("CONTENT", treeContentFileName(layout_.baseName));
  }

  void writeDefaultImageParameter(const char* name, int index) {
    if (index == -1) return;
    param(name, imageReference(index));
    addToCopyList(menu_.Images.ImageFiles().at(static_cast<std::size_t>(index)));
  }

  void writeDefaultImageParameters() {
    if (!imagesWritten()) return;
    writeDefaultImageParameter("FOLDER_CLOSED", settings_.DefFolderClosed);
    writeDefaultImageParameter("FOLDER_OPEN", settings_.DefFolderOpen);
    writeDefaultImageParameter("LEAF", settings_.DefLeaf);
  }

  void noteSemicolons(const std::string& entryName, std::initializer_list<const std::string*> fields) {
    for (const std::string* field : fields) {
      if (field->find(';') != std::string::npos) {
        page_.entriesWithSemicolon.push_back(entryName);
        return;
      }
    }
  }

  void writeTab(int index) {
    menu_.setCurrentTab(index);
    step();
    TAppletPage& tab = menu_.tab(index);
    page_.lines.emplace_back(" ");
    if (hasTabs(settings_.Kind)) {
      TTabPage& link = tab.TabPage;
      for (std::string* field : {&link.URL1, &link.Target1, &link.StatusText, &link.URL2, &link.Target2}) {
        if (field->empty()) *field = "None";
      }
      noteSemicolons("TAB" + std::to_string(index) + " \"" + tab.Caption + "\"",
                     {&tab.Caption, &link.URL1, &link.Target1, &link.StatusText, &link.URL2, &link.Target2});
      param("TAB" + std::to_string(index), onOneLine(tab.Caption + "; " + link.URL1 + "; " + link.Target1 + "; " +
                                                        link.StatusText + "; " + link.URL2 + "; " + link.Target2 +
                                                        "; " + link.OnDemand));
    }
    if (!hasTrees(settings_.Kind)) return;
    const bool tabTree = settings_.Kind == akTabTree;
    const std::string prefix = tabTree ? "T" + std::to_string(index) + "I" : "I";
    ContentFile content;
    int nodeIndex = 0;
    tab.Nodes.forEachInPageOrder([&](const TreeNode& node, int level) {
      step();
      std::string entry = onOneLine(nodeEntry(node, level));
      noteSemicolons(prefix + std::to_string(nodeIndex) + " \"" + node.Text + "\"",
                     {&node.Text, &node.Data.URL1, &node.Data.Target1, &node.Data.StatusText, &node.Data.URL2,
                      &node.Data.Target2});
      if (settings_.ContentInFile) {
        content.lines.push_back(std::move(entry));
      } else {
        param(prefix + std::to_string(nodeIndex), entry);
      }
      ++nodeIndex;
    });
    if (settings_.ContentInFile) {
      content.name = tabTree ? tabTreeContentFileName(layout_.baseName, index) : treeContentFileName(layout_.baseName);
      if (tabTree) param("TAB" + std::to_string(index) + "_CONTENT", content.name);
      page_.contentFiles.push_back(std::move(content));
    }
  }

  std::string imagePiece(int index) {
    addToCopyList(menu_.Images.ImageFiles().at(static_cast<std::size_t>(index)));
    return imageReference(index) + "; ";
  }

  std::string nodeEntry(const TreeNode& node, int level) {
    const TAppletNode& data = node.Data;
    auto orNone = [](const std::string& value) { return value.empty() ? std::string("None") : value; };
    std::string entry = node.Text + "; " + orNone(data.URL1) + "; " + orNone(data.Target1) + "; " +
                        std::to_string(level) + "; ";
    if (!imagesWritten()) {
      entry += " ;  ; ";
    } else {
      // Sequenced apart: each piece may add to the copy list, in page order.
      entry += collapsedPiece(node);
      entry += expandedPiece(node);
    }
    entry += data.StatusText + ";" + orNone(data.URL2) + "; " + orNone(data.Target2) + "; " +
             (data.OpenExpanded ? "YES" : "NO");
    return entry;
  }

  static std::string byChildren(const TreeNode& node) { return node.hasChildren() ? "folder ; " : "leaf ; "; }

  std::string collapsedPiece(const TreeNode& node) {
    const int image = node.Data.CollapsedImage;
    if (image != -1 && image == settings_.DefFolderClosed) return "folder ; ";
    if (image != -1 && image == settings_.DefLeaf) return "leaf ; ";
    if (image == -1) return byChildren(node);
    return imagePiece(image);
  }

  std::string expandedPiece(const TreeNode& node) {
    const int image = node.Data.ExpandedImage;
    if (image != -1 && image == settings_.DefFolderOpen) return "folder ; ";
    if (image != -1 && image == settings_.DefLeaf) return "leaf ; ";
    if (image != -1) return imagePiece(image);
    const int collapsed = node.Data.CollapsedImage;
    if (collapsed != -1 && collapsed == settings_.DefLeaf) return "leaf ; ";
    // The default closed folder opens to the default open folder, as the page reads it back.
    if (collapsed != -1 && collapsed == settings_.DefFolderClosed) return "folder ; ";
    if (collapsed == -1) return byChildren(node);
    return imageReference(collapsed) + "; ";
  }

  MenuModel& menu_;
  const TAppletSettings& settings_;
  const SiteLayout& layout_;
  const std::function<void()>& onStep_;
  ComposedPage page_;
};

}  // namespace

ComposedPage composePage(MenuModel& menu, const SiteLayout& layout, const std::function<void()>& onStep) {
  applySizeRules(menu.Settings);
  // Writing visits every tab; the user stays on the one they were on.
  const int current = menu.currentTabIndex();
  ComposedPage page = Composer(menu, layout, onStep).run();
  menu.setCurrentTab(current);
  return page;
}

std::string joinLines(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const auto& line : lines) size += line.size() + 2;
  std::string text;
  text.reserve(size);
  for (const auto& line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace quillon
