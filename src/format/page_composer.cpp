#include "format/page_composer.hpp"

#include <algorithm>
#include <charconv>
#include <string_view>
#include <unordered_set>

#include "format/applet_files.hpp"
#include "format/byte_kinds.hpp"
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

// The pieces handed to a sink: big enough that writing them costs little,
// small enough that a page of any size takes about this much memory.
constexpr std::size_t kPieceBytes = 512 * 1024;

class Composer {
 public:
  Composer(MenuModel& menu, const SiteLayout& layout, const PageSink* sink, const std::function<void()>& onStep)
      : menu_(menu),
        settings_(menu.Settings),
        layout_(layout),
        sink_(sink),
        onStep_(onStep),
        links_(out_, codebase()),
        drainAt_(sink ? kPieceBytes : std::string::npos) {}

  ComposedPage run() {
    reserveRoom();
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
    writeFallbackLinks();
    line("</APPLET>");
    line(menuScriptLine(codebase()));
    writeFooter();
    if (sink_) {
      (*sink_)(out_);
      std::string().swap(out_);
    }
    return std::move(page_);
  }

 private:
  bool imagesWritten() const { return !settings_.ProxyEnhanced && settings_.UseIcons; }

  void step() {
    if (onStep_) onStep_();
  }

  // Room for the whole page: each node's texts go into its entry and its
  // fallback link, with some markup around each. The walk also lists the
  // nodes in page order, so writing them is a loop.
  void reserveRoom() {
    std::size_t size = 8192 + layout_.imagePrefix.size() * menu_.Images.ImageFiles().size();
    std::size_t linkBytes = 0;
    for (const auto& text : menu_.Document.HeaderLines) size += text.size() + 2;
    for (const auto& text : menu_.Document.FooterLines) size += text.size() + 2;
    for (int i = 0; i < menu_.tabCount(); ++i) {
      const TAppletPage& tab = menu_.tab(i);
      const TTabPage& link = tab.TabPage;
      size += tab.Caption.size() + link.URL1.size() + link.Target1.size() + link.StatusText.size() +
              link.URL2.size() + link.Target2.size() + 200;
      linkBytes += links_.itemBytes(tab.Caption.size() + link.URL1.size() + link.Target1.size());
      if (!hasTrees(settings_.Kind)) continue;
      TabNodes nodes{pageOrder_.size(), 0, 0};
      tab.Nodes.forEachInPageOrder([&](const TreeNode& node, int level) {
        pageOrder_.push_back({&node, level});
        const TAppletNode& data = node.Data;
        const std::size_t linked = node.Text.size() + data.URL1.size() + data.Target1.size();
        nodes.entryBytes += linked + data.StatusText.size() + data.URL2.size() + data.Target2.size() + 90;
        linkBytes += links_.itemBytes(linked);
      });
      nodes.end = pageOrder_.size();
      if (!settings_.ContentInFile) size += nodes.entryBytes;
      tabNodes_.push_back(nodes);
    }
    // An entry may pass the piece size before the buffer drains: some room for it.
    out_.reserve(sink_ ? std::min(size + linkBytes, kPieceBytes + kPieceBytes / 4) : size + linkBytes);
  }

  // Called where a line ends: a sink takes the buffer once it holds a piece.
  void drain() {
    if (out_.size() < drainAt_) return;
    (*sink_)(out_);
    out_.clear();
  }

  void line(std::string_view text) {
    out_ += text;
    out_ += "\r\n";
    drain();
  }

  static void appendNumber(std::string& to, long long number) {
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    to.append(digits, static_cast<std::size_t>(end - digits));
  }

  void openParam(std::string_view name) {
    out_ += "\t<PARAM NAME=\"";
    out_ += name;
  }

  void openValue() { out_ += "\" VALUE=\""; }
  void closeParam() {
    out_ += "\">\r\n";
    drain();
  }

  void param(std::string_view name, std::string_view value) {
    openParam(name);
    openValue();
    appendHtmlAttribute(out_, value);
    closeParam();
  }

  void addToCopyList(const std::string& path) {
    if (copied_.insert(path).second) page_.copyList.push_back(path);
  }

  std::string imageReference(const std::string& path) const { return layout_.imagePrefix + extractFileName(path); }

  std::string imageReference(int index) const { return imageReference(menu_.Images.ImageFiles().at(static_cast<std::size_t>(index))); }

  // Node entries name the same few pictures again and again.
  const std::string& cachedReference(int index) {
    const auto at = static_cast<std::size_t>(index);
    if (references_.size() <= at) references_.resize(at + 1);
    if (references_[at].empty()) references_[at] = imageReference(index);
    return references_[at];
  }

  void writeHeader() {
    const auto& header = menu_.Document.HeaderLines;
    if (header.empty()) {
      for (const char* text : kDefaultHeader) line(text);
    } else {
      for (auto it = header.begin(); it != header.end() - 1; ++it) line(*it);
    }
  }

  void writeFooter() {
    const auto& footer = menu_.Document.FooterLines;
    if (footer.empty()) {
      for (const char* text : kDefaultFooter) line(text);
    } else {
      for (const auto& text : footer) line(text);
    }
  }

  // The CODEBASE as the applet tag gives it, before escaping.
  std::string codebase() const {
    return isPageFolderSetting(settings_.Codebase) ? "." : withForwardSlashes(settings_.Codebase);
  }

  void writeAppletTag() {
    const AppletNames names = appletNamesFor(settings_.Kind);
    line("<APPLET CODEBASE=\"" + escapeHtmlAttribute(codebase()) + "\" NAME=\"" + names.name + "\" ARCHIVE=\"" +
         names.archive + "\" CODE=\"" + names.code + "\" WIDTH=" + settings_.Width + " HEIGHT=" + settings_.Height +
         ">");
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
    line("");
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

  // A text piece of an entry: on one line, escaped for a PARAM value. Gives
  // the kinds of bytes the text holds, so a ";" in it can be noted.
  static unsigned text(std::string& to, bool escaped, std::string_view value) {
    const unsigned kinds = byteKindsIn(value);
    if (kinds & (escaped ? kLineBreakByte | kMarkupByte : kLineBreakByte)) {
      appendOnOneLine(to, value, escaped);
    } else {
      to += value;
    }
    return kinds;
  }
  static unsigned textOrNone(std::string& to, bool escaped, const std::string& value) {
    if (value.empty()) {
      to += "None";
      return 0;
    }
    return text(to, escaped, value);
  }

  void writeTab(int index) {
    menu_.setCurrentTab(index);
    step();
    TAppletPage& tab = menu_.tab(index);
    line(" ");
    if (hasTabs(settings_.Kind)) {
      TTabPage& link = tab.TabPage;
      for (std::string* field : {&link.URL1, &link.Target1, &link.StatusText, &link.URL2, &link.Target2}) {
        if (field->empty()) *field = "None";
      }
      openParam("TAB");
      appendNumber(out_, index);
      openValue();
      unsigned kinds = 0;
      for (const std::string* field : {&tab.Caption, &link.URL1, &link.Target1, &link.StatusText, &link.URL2}) {
        kinds |= text(out_, true, *field);
        out_ += "; ";
      }
      kinds |= text(out_, true, link.Target2);
      out_ += "; ";
      text(out_, true, link.OnDemand);
      closeParam();
      if (kinds & kSeparatorByte) {
        page_.entriesWithSemicolon.push_back("TAB" + std::to_string(index) + " \"" + tab.Caption + "\"");
      }
    }
    if (!hasTrees(settings_.Kind)) return;
    const bool tabTree = settings_.Kind == akTabTree;
    const std::string prefix = tabTree ? "T" + std::to_string(index) + "I" : "I";
    const TabNodes& nodes = tabNodes_.at(static_cast<std::size_t>(index));
    ContentFile content;
    if (settings_.ContentInFile) content.text.reserve(nodes.entryBytes);
    int nodeIndex = 0;
    for (std::size_t at = nodes.begin; at < nodes.end; ++at) {
      const TreeNode& node = *pageOrder_[at].node;
      const int level = pageOrder_[at].level;
      step();
      unsigned kinds;
      if (settings_.ContentInFile) {
        kinds = appendEntry(content.text, false, node, level);
        content.text += "\r\n";
      } else {
        openParam(prefix);
        appendNumber(out_, nodeIndex);
        openValue();
        kinds = appendEntry(out_, true, node, level);
        closeParam();
      }
      if (kinds & kSeparatorByte) {
        page_.entriesWithSemicolon.push_back(prefix + std::to_string(nodeIndex) + " \"" + node.Text + "\"");
      }
      ++nodeIndex;
    }
    if (settings_.ContentInFile) {
      content.name = tabTree ? tabTreeContentFileName(layout_.baseName, index) : treeContentFileName(layout_.baseName);
      if (tabTree) param("TAB" + std::to_string(index) + "_CONTENT", content.name);
      page_.contentFiles.push_back(std::move(content));
    }
  }

  // After the entries, from the same list of nodes.
  void writeFallbackLinks() {
    const int nodeLevel = hasTabs(settings_.Kind) ? 1 : 0;
    for (int i = 0; i < menu_.tabCount(); ++i) {
      const TAppletPage& tab = menu_.tab(i);
      if (hasTabs(settings_.Kind)) {
        links_.item(0, tab.Caption, tab.TabPage.URL1, tab.TabPage.Target1);
        drain();
      }
      if (!hasTrees(settings_.Kind)) continue;
      const TabNodes& nodes = tabNodes_.at(static_cast<std::size_t>(i));
      for (std::size_t at = nodes.begin; at < nodes.end; ++at) {
        const TreeNode& node = *pageOrder_[at].node;
        links_.item(nodeLevel + pageOrder_[at].level, node.Text, node.Data.URL1, node.Data.Target1);
        drain();
      }
    }
    links_.finish();
  }

  void imagePiece(std::string& to, bool escaped, int index) {
    addToCopyList(menu_.Images.ImageFiles().at(static_cast<std::size_t>(index)));
    referencePiece(to, escaped, index);
  }

  void referencePiece(std::string& to, bool escaped, int index) {
    text(to, escaped, cachedReference(index));
    to += "; ";
  }

  // Gives the kinds of bytes the node's own texts hold.
  unsigned appendEntry(std::string& to, bool escaped, const TreeNode& node, int level) {
    const TAppletNode& data = node.Data;
    unsigned kinds = text(to, escaped, node.Text);
    to += "; ";
    kinds |= textOrNone(to, escaped, data.URL1);
    to += "; ";
    kinds |= textOrNone(to, escaped, data.Target1);
    to += "; ";
    appendNumber(to, level);
    to += "; ";
    if (!imagesWritten()) {
      to += " ;  ; ";
    } else {
      // Sequenced apart: each piece may add to the copy list, in page order.
      collapsedPiece(to, escaped, node);
      expandedPiece(to, escaped, node);
    }
    kinds |= text(to, escaped, data.StatusText);
    to += ";";
    kinds |= textOrNone(to, escaped, data.URL2);
    to += "; ";
    kinds |= textOrNone(to, escaped, data.Target2);
    to += "; ";
    to += data.OpenExpanded ? "YES" : "NO";
    return kinds;
  }

  static const char* byChildren(const TreeNode& node) { return node.hasChildren() ? "folder ; " : "leaf ; "; }

  void collapsedPiece(std::string& to, bool escaped, const TreeNode& node) {
    const int image = node.Data.CollapsedImage;
    if (image != -1 && image == settings_.DefFolderClosed) {
      to += "folder ; ";
    } else if (image != -1 && image == settings_.DefLeaf) {
      to += "leaf ; ";
    } else if (image == -1) {
      to += byChildren(node);
    } else {
      imagePiece(to, escaped, image);
    }
  }

  void expandedPiece(std::string& to, bool escaped, const TreeNode& node) {
    const int image = node.Data.ExpandedImage;
    const int collapsed = node.Data.CollapsedImage;
    if (image != -1 && image == settings_.DefFolderOpen) {
      to += "folder ; ";
    } else if (image != -1 && image == settings_.DefLeaf) {
      to += "leaf ; ";
    } else if (image != -1) {
      imagePiece(to, escaped, image);
    } else if (collapsed != -1 && collapsed == settings_.DefLeaf) {
      to += "leaf ; ";
    } else if (collapsed != -1 && collapsed == settings_.DefFolderClosed) {
      // The default closed folder opens to the default open folder, as the page reads it back.
      to += "folder ; ";
    } else if (collapsed == -1) {
      to += byChildren(node);
    } else {
      referencePiece(to, escaped, collapsed);
    }
  }

  MenuModel& menu_;
  const TAppletSettings& settings_;
  const SiteLayout& layout_;
  const PageSink* sink_;  // none: the page stays whole in page_.text
  const std::function<void()>& onStep_;
  ComposedPage page_;
  std::string& out_ = page_.text;
  FallbackLinks links_;
  std::size_t drainAt_;
  struct PlacedNode {
    const TreeNode* node;
    int level;
  };
  std::vector<PlacedNode> pageOrder_;  // the nodes of every tab
  struct TabNodes {
    std::size_t begin;  // where in pageOrder_
    std::size_t end;
    std::size_t entryBytes;
  };
  std::vector<TabNodes> tabNodes_;
  std::unordered_set<std::string> copied_;
  std::vector<std::string> references_;
};

}  // namespace

namespace {

ComposedPage compose(MenuModel& menu, const SiteLayout& layout, const PageSink* sink,
                     const std::function<void()>& onStep) {
  applySizeRules(menu.Settings);
  // Writing visits every tab; the user stays on the one they were on.
  const int current = menu.currentTabIndex();
  ComposedPage page = Composer(menu, layout, sink, onStep).run();
  menu.setCurrentTab(current);
  return page;
}

}  // namespace

ComposedPage composePage(MenuModel& menu, const SiteLayout& layout, const std::function<void()>& onStep) {
  return compose(menu, layout, nullptr, onStep);
}

ComposedPage composePageTo(MenuModel& menu, const SiteLayout& layout, const PageSink& sink,
                           const std::function<void()>& onStep) {
  return compose(menu, layout, &sink, onStep);
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
