#include "format/page_reader.hpp"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "format/html_escape.hpp"
#include "format/image_resolution.hpp"
#include "format/node_entries.hpp"
#include "format/page_frame.hpp"
#include "format/site_layout.hpp"
#include "format/site_paths.hpp"
#include "format/tag_attributes.hpp"
#include "format/text_helpers.hpp"

namespace quillon {

namespace fs = std::filesystem;

namespace {

// A PARAM tag's name and value as they stand in the page: views into its
// text, decoded only when a setting, tab or node takes the value.
struct Param {
  std::string_view name;
  std::string_view value;
};

// A value as the page means it: a line break inside the tag (CR LF) is a
// blank, and character references are decoded. Most values have neither.
std::string valueText(std::string_view raw) {
  if (raw.find('&') == std::string_view::npos && raw.find('\r') == std::string_view::npos) return std::string(raw);
  if (raw.find('\r') == std::string_view::npos) return decodeCharacterReferences(raw);
  return decodeCharacterReferences(replaceAll(std::string(raw), "\r\n", " ", true));
}

// The first PARAM-style name and value of a tag.
Param nameAndValue(std::string_view tag) {
  std::optional<std::string_view> name, value;
  AttributeCursor cursor(tag);
  for (std::string_view key, text; (!name || !value) && cursor.next(key, text);) {
    if (!name && equalsNoCase(key, "name")) name = text;
    else if (!value && equalsNoCase(key, "value")) value = text;
  }
  return {name.value_or(""), value.value_or("")};
}

long long digitsValue(std::string_view digits) {
  long long number = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), number);
  return number;
}

bool endsWithSeparator(const std::string& text) { return !text.empty() && (text.back() == '/' || text.back() == '\\'); }

bool folderExists(const std::string& path) {
  std::error_code error;
  return fs::is_directory(path, error);
}

// Where the run of digits from from ends; a plain loop, as every parameter's
// name is looked at this way (a search for any of ten characters is ten searches a byte).
std::size_t digitsEnd(std::string_view text, std::size_t from) {
  while (from < text.size() && text[from] >= '0' && text[from] <= '9') ++from;
  return from;
}

// "TAB12" gives 12; anything else gives -1. prefix and suffix frame the number.
long long numberedName(std::string_view name, std::string_view prefix, std::string_view suffix = "") {
  if (name.size() <= prefix.size() + suffix.size() || !startsWithNoCase(name, prefix)) return -1;
  if (!equalsNoCase(name.substr(name.size() - suffix.size()), suffix)) return -1;
  const std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
  if (digits.empty() || digits.size() > 9 || digitsEnd(digits, 0) != digits.size()) return -1;
  return digitsValue(digits);
}

// "T3I12" gives 3, the tab of a Tab&Tree node entry; anything else gives -1.
// The tab number stands as the writer writes it: "T01I0" belongs to no tab.
long long entryTab(std::string_view name) {
  if (name.empty() || (name[0] != 'T' && name[0] != 't')) return -1;
  const std::size_t tabEnd = digitsEnd(name, 1);
  if (tabEnd == name.size() || tabEnd == 1 || tabEnd > 10) return -1;
  if (name[1] == '0' && tabEnd > 2) return -1;
  if (numberedName(name.substr(tabEnd), "I") < 0) return -1;
  return digitsValue(name.substr(1, tabEnd - 1));
}

// The kinds by their class names; pages written by hand may differ in case or drop ".class".
std::optional<TAppletKind> kindFromCode(std::string code) {
  code = lowerAscii(removeSuffix(code, ".class"));
  if (code == "trelltabr") return akTab;
  if (code == "trelltreer") return akTree;
  if (code == "trelltabtreer") return akTabTree;
  return std::nullopt;
}

class PageReader {
 public:
  PageReader(MenuModel& menu, ReaderContext& context)
      : menu_(menu), settings_(menu.Settings), ui_(context.ui), context_(context), files_(menu, context.ui) {}

  bool read(const std::string& path) {
    BusyGuard busy(ui_);
    ui_.showStatus("Reading HTML file.");
    const bool found = readPage(path);
    ui_.showStatus("Ready.");
    return found;
  }

 private:
  bool readPage(const std::string& path) {
    menu_.Clear();
    menu_.Document.PagePath = path;
    settings_.TabFontName = settings_.TreeFontName = context_.defaultFontFace;
    settings_.TabFontSize = settings_.TreeFontSize = "12";

    FileBytes page;
    FoundApplet applet;
    const bool found = findApplet(path, page, applet);
    if (applet.bodyTag) menu_.Document.BodyTag = *applet.bodyTag;
    if (!found) return false;

    resetSettings();
    readAppletTag(applet.tag);
    const std::string_view text = page.view();
    const std::size_t appletEnd = readParams(text, applet.cursor);
    readTabs();
    // The parameters can take a good part of the page: gone before the frame's lines come.
    std::vector<Param>().swap(params_);
    tellRefusedFiles();

    PageFrame frame = capturePageFrame(text, applet.start, appletEnd);
    menu_.Document.HeaderLines = std::move(frame.headerLines);
    menu_.Document.FooterLines = std::move(frame.footerLines);
    settings_.ImageDir = settings_.Codebase;
    menu_.Document.AskSaveLocation = context_.importingTheme;
    return true;
  }

 public:
  // The look of a page without its menu: see ReadPageLook.
  bool readLook(const std::string& path, PageLook& look) {
    FileBytes page;
    FoundApplet applet;
    if (!findApplet(path, page, applet)) return false;
    const std::string_view text = page.view();
    look.bodyTag = applet.bodyTag;
    const std::size_t appletEnd = readParams(text, applet.cursor);
    if (hasTrees(settings_.Kind)) readDefaultImages();
    tellRefusedFiles();
    look.frame = capturePageFrame(text, applet.start, appletEnd);
    return true;
  }

 private:
  struct FoundApplet {
    std::size_t start = 0;  // where the applet tag begins
    TagCursor cursor{{}};   // at the tag after it
    ParsedTag tag;
    std::optional<std::string> bodyTag;  // the last body tag before the applet
  };

  // Loads the page and finds the first tag of one of the three applets, and
  // the body tags before it; tells the user when the page cannot be read or holds none.
  bool findApplet(const std::string& path, FileBytes& page, FoundApplet& found) {
    pagePath_ = path;
    pageFolder_ = extractFilePath(path);
    const PageFileStatus status = readPageFile(path, context_.maxPageBytes, page);
    if (status != PageFileStatus::Read) {
      ui_.message(MessageKind::Error, pageFileMessage(status, "page", path, context_.maxPageBytes));
      return false;
    }
    const std::string_view text = page.view();
    TagCursor cursor(text);
    for (TagSpan span{}; cursor.next(span);) {
      if (span.empty()) continue;
      const std::string_view raw = text.substr(span.begin, span.end - span.begin);
      const std::string_view element = tagElement(raw);
      if (equalsNoCase(element, "body")) found.bodyTag = tagText(text, span);
      if (!equalsNoCase(element, "applet")) continue;
      ParsedTag parsed = parseTag(tagText(text, span));
      const std::string code = parsed.attribute("code").value_or("");
      if (startsWithNoCase(code, "TrellTab") || startsWithNoCase(code, "TrellTree")) {
        found.start = span.begin;
        found.cursor = cursor;
        found.tag = std::move(parsed);
        return true;
      }
    }
    ui_.message(MessageKind::Error, "No Quillon [Applets] found");
    return false;
  }

  // Reads the settings of the applet's PARAM tags and keeps them for the tabs
  // and nodes; returns where the closing applet tag ends (the text's end without one).
  std::size_t readParams(std::string_view text, TagCursor cursor) {
    for (TagSpan span{}; cursor.next(span);) {
      if (span.empty()) continue;
      const std::string_view tag = text.substr(span.begin, span.end - span.begin);
      const std::string_view element = tagElement(tag);
      if (equalsNoCase(element, "/applet")) return span.end;
      if (!equalsNoCase(element, "param")) continue;
      const Param param = nameAndValue(tag);
      readSetting(param);
      params_.push_back(param);
    }
    return text.size();
  }

  void resetSettings() {
    settings_.Width = "220";
    settings_.Height = "320";
    settings_.Codebase.clear();
    settings_.ContentInFile = false;
    settings_.ProxyEnhanced = false;
    settings_.ShowTabsOnly = false;
    settings_.ClickSound.clear();
    settings_.ClickSoundName.clear();
    settings_.OverSound.clear();
    settings_.OverSoundName.clear();
    settings_.DefaultTab = -1;
    settings_.ResetTabStyle();
    settings_.ResetTreeStyle();
  }

  // A folder value as the page gives it: an address or "." means the page's
  // own folder, and the folder ends with a separator.
  static std::string folderValue(std::string value) {
    if (value.size() > 7 && value.rfind("http://", 0) == 0) value.clear();
    if (value.size() > 1 && value[0] == '/') value.erase(0, 1);
    if (value == ".") value.clear();
    if (!value.empty() && !endsWithSeparator(value)) value += '/';
    return value;
  }

  // Only digits are a size; anything else keeps the default, which the page
  // would otherwise carry into the next save as a broken tag.
  void readSize(const std::optional<std::string>& value, const std::string& name, std::string& size) {
    if (!value) return;
    if (!value->empty() && value->find_first_not_of("0123456789") == std::string::npos) {
      size = *value;
      return;
    }
    ui_.message(MessageKind::Warning, "The applet " + name + " is not a number\nso it was reset to the default.");
  }

  void readAppletTag(const ParsedTag& applet) {
    if (auto kind = kindFromCode(applet.attribute("code").value_or(""))) settings_.Kind = *kind;
    readSize(applet.attribute("height"), "height", settings_.Height);
    readSize(applet.attribute("width"), "width", settings_.Width);
    applySizeRules(settings_);
    const std::string codebase = applet.attribute("codebase").value_or("");
    settings_.Codebase = folderValue(codebase);
    if (!settings_.Codebase.empty() && !isSiteFolder(settings_.Codebase)) {
      ui_.message(MessageKind::Warning, "The class file directory \"" + codebase +
                                            "\" lies outside the page's folder\nso it was reset to the default.");
      settings_.Codebase.clear();
    } else if (!settings_.Codebase.empty() && !folderExists(absolutePath(pagePath_, settings_.Codebase))) {
      ui_.message(MessageKind::Warning, "The class file directory could not be found\nso it was reset to the default.");
      settings_.Codebase.clear();
    }
  }

  // Sounds and background images: the value below the class folder.
  std::string joinedPath(const std::string& value) const {
    return fs::path(pageFolder_ + settings_.Codebase + trim(value)).lexically_normal().string();
  }

  // A folder the page names that keeps inside the page's folder, links followed.
  bool isSiteFolder(const std::string& folder) const {
    if (isPageFolderSetting(folder)) return true;
    return isSiteRelativeFolder(folder) && isInsideSite(pageFolder_, absolutePath(pagePath_, folder));
  }

  // The file a page names below the class folder, or nothing when it lies
  // outside the page's folder; such a value is told once, at the end.
  std::optional<std::string> siteFile(const std::string& value) {
    std::string path = joinedPath(value);
    auto [checked, added] = insideSite_.try_emplace(path, false);
    if (added) {
      checked->second = isInsideSite(pageFolder_, path);
      if (!checked->second) refusedFiles_.push_back(trim(value));
    }
    if (!checked->second) return std::nullopt;
    return path;
  }

  void tellRefusedFiles() {
    if (refusedFiles_.empty()) return;
    constexpr std::size_t kNamedAtMost = 10;
    std::string text = "These files lie outside the page's folder, so they were left out:";
    for (std::size_t i = 0; i < refusedFiles_.size() && i < kNamedAtMost; ++i) text += "\n" + refusedFiles_[i];
    if (refusedFiles_.size() > kNamedAtMost) {
      text += "\nand " + std::to_string(refusedFiles_.size() - kNamedAtMost) + " more";
    }
    ui_.message(MessageKind::Warning, text);
    refusedFiles_.clear();
  }

  static bool readColor(const std::string& value, Color& color) {
    try {
      color = rgbTextToColor(value);
      return true;
    } catch (const std::exception&) {
      return false;  // not three numbers: the setting keeps its value
    }
  }

  static void readFont(const std::string& value, std::string& face, std::string& size) {
    StringList items;
    splitString(value, ";", items);
    if (!items.empty()) face = trim(items[0]);
    if (face == "TimesRoman") face = "Times New Roman";
    if (items.size() > 2) size = trim(items[2]);
  }

  void readStyle(const std::string& letters) {
    auto letter = [&letters](std::size_t i) { return i < letters.size() ? letters[i] : '\0'; };
    settings_.ToggleSymbol = 'A';
    if (letter(0) == 'X' || (letter(0) >= 'B' && letter(0) <= 'F')) settings_.ToggleSymbol = letter(0);
    settings_.LeafSymbol = letter(1) == 'A';
    settings_.LineStyle = letter(2) == 'B' || letter(2) == 'X' ? letter(2) : 'A';
    settings_.UseIcons = letter(3) != 'X';
  }

  void readImageDir(const std::string& raw) {
    std::string value = folderValue(raw);
    settings_.ImageDir = value.empty() ? settings_.Codebase : value;
    if (!value.empty() && !isSiteFolder(value)) {
      ui_.message(MessageKind::Warning,
                  "The image directory \"" + raw + "\" lies outside the page's folder\nso it was reset to the default.");
      settings_.ImageDir = settings_.Codebase;
    } else if (!value.empty() && !folderExists(absolutePath(pagePath_, value))) {
      ui_.message(MessageKind::Warning, "The image directory could not be found\nso it was reset to the default.");
      settings_.ImageDir = settings_.Codebase;
    }
  }

  void readSound(const std::string& value, std::string& sound, std::string& name) {
    const std::optional<std::string> path = siteFile(value);
    sound = path ? files_.sound(*path) : std::string();
    name = path ? extractFileName(*path) : std::string();
  }

  using Handler = std::function<void(PageReader&, const std::string&)>;

  // Settings are recognised by their parameter's whole name, without regard to case.
  void readSetting(const Param& param) {
    // No setting's name is longer, and none holds a digit: node entries, tabs
    // and content file names are passed over without a look-up.
    constexpr std::size_t kLongestName = 24;
    if (param.name.size() > kLongestName) return;
    char upper[kLongestName];
    for (std::size_t i = 0; i < param.name.size(); ++i) {
      const char c = param.name[i];
      if (c >= '0' && c <= '9') return;
      upper[i] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const auto& handlers = settingHandlers(settings_.Kind);
    const auto found = handlers.find(std::string_view(upper, param.name.size()));
    if (found != handlers.end()) (*found->second)(*this, valueText(param.value));
  }

  // The handler of each setting's name (upper case) for the applet kind.
  static const std::unordered_map<std::string_view, const Handler*>& settingHandlers(TAppletKind kind) {
    auto color = [](Color TAppletSettings::*field) {
      return [field](PageReader& r, const std::string& v) { readColor(v, r.settings_.*field); };
    };
    auto flag = [](bool TAppletSettings::*field) {
      return [field](PageReader& r, const std::string& v) { r.settings_.*field = isTrueText(v); };
    };
    auto setOnly = [](bool TAppletSettings::*field) {
      return [field](PageReader& r, const std::string& v) {
        if (isTrueText(v)) r.settings_.*field = true;
      };
    };
    static const std::map<std::string, Handler> shared = {
        {"TAB_DEFAULT",
         [](PageReader& r, const std::string& v) {
           long long tab = 0;
           if (parseInteger(v, tab)) r.settings_.DefaultTab = static_cast<std::int32_t>(tab);
         }},
        {"TAB_BG_IMAGE",
         [](PageReader& r, const std::string& v) { r.settings_.TabBackImage = r.siteFile(v).value_or(""); }},
        {"TAB_BG", color(&TAppletSettings::TabBackColor)},
        {"TAB_FG", color(&TAppletSettings::TabTextColor)},
        {"TAB_MOUSEOVER", color(&TAppletSettings::TabMouseOverColor)},
        {"SHOWTABSONLY", setOnly(&TAppletSettings::ShowTabsOnly)},
        {"TABONBOTTOM", setOnly(&TAppletSettings::TabOnBottom)},
        {"PROXY", flag(&TAppletSettings::ProxyEnhanced)},
        {"IMAGEDIR", [](PageReader& r, const std::string& v) { r.readImageDir(v); }},
        {"MOUSECLICKSOUND",
         [](PageReader& r, const std::string& v) { r.readSound(v, r.settings_.ClickSound, r.settings_.ClickSoundName); }},
        {"MOUSEOVERSOUND",
         [](PageReader& r, const std::string& v) { r.readSound(v, r.settings_.OverSound, r.settings_.OverSoundName); }},
    };
    // The tree settings: the Tab&Tree name, then the Tree applet's own.
    struct TreeSetting {
      const char* tabTreeName;
      const char* treeName;
      Handler handler;
    };
    static const std::vector<TreeSetting> tree = {
        {"TREE_FONT", "FONT",
         [](PageReader& r, const std::string& v) { readFont(v, r.settings_.TreeFontName, r.settings_.TreeFontSize); }},
        {"TREE_BG_IMAGE", "BACKGROUNDIMAGE",
         [](PageReader& r, const std::string& v) {
           const std::optional<std::string> path = r.siteFile(v);
           r.settings_.TreeBackImage = path ? r.files_.backgroundImage(*path) : std::string();
         }},
        {"TREE_BG", "BACKGROUND", color(&TAppletSettings::TreeBackColor)},
        {"TREE_FG", "FOREGROUND", color(&TAppletSettings::TreeTextColor)},
        {"TREE_SEL_BG", "SELBACKGROUND", color(&TAppletSettings::TreeSelBackColor)},
        {"TREE_SEL_FG", "SELFOREGROUND", color(&TAppletSettings::TreeSelTextColor)},
        {"TREE_MOUSEOVER", "MOUSEOVER", color(&TAppletSettings::MouseOverColor)},
        {"TREE_TOOLTIPFORECOLOR", "TOOLTIPFORECOLOR", color(&TAppletSettings::TooltipTextColor)},
        {"TREE_TOOLTIPBACKCOLOR", "TOOLTIPBACKCOLOR", color(&TAppletSettings::TooltipBackColor)},
        {"TREE_LEAFCOLOR", "LEAFCOLOR", color(&TAppletSettings::LeafColor)},
        {"TREE_LINECOLOR", "LINECOLOR", color(&TAppletSettings::LineColor)},
        {"TREE_FOLDERCCOLOR", "FOLDERCCOLOR", color(&TAppletSettings::FolderClosedColor)},
        {"TREE_FOLDEROCOLOR", "FOLDEROCOLOR", color(&TAppletSettings::FolderOpenColor)},
        {"TREE_MOUSEOVERFRAMECOLOR", "MOUSEOVERFRAMECOLOR", color(&TAppletSettings::MouseOverFrameColor)},
        {"TREE_BORDER", "BORDER", flag(&TAppletSettings::ShowBorder)},
        {"TREE_TOOLTIP", "TOOLTIP", flag(&TAppletSettings::ShowTooltip)},
        {"TREE_DOUBLECLICK", "DOUBLECLICK", flag(&TAppletSettings::DoubleClickExpand)},
        {"TREE_AUTOEXPAND", "AUTOEXPAND", flag(&TAppletSettings::StartExpanded)},
        {"TREE_MOUSEOVERFRAME", "MOUSEOVERFRAME",
         [](PageReader& r, const std::string& v) {
           TMouseOverFrame& frame = r.settings_.MouseOverFrame;
           if (frame == TMouseOverFrame::Line) frame = TMouseOverFrame::None;
           const std::string word = lowerAscii(v);
           if (word == "rect") frame = TMouseOverFrame::Rect;
           if (word == "line") frame = TMouseOverFrame::Line;
         }},
        {"TREE_STYLE", "STYLE", [](PageReader& r, const std::string& v) { r.readStyle(v); }},
    };

    static const Handler tabFont = [](PageReader& r, const std::string& v) {
      readFont(v, r.settings_.TabFontName, r.settings_.TabFontSize);
    };
    const auto tableFor = [&](TAppletKind forKind) {
      std::unordered_map<std::string_view, const Handler*> table;
      for (const auto& [key, handler] : shared) table.emplace(key, &handler);
      if (forKind != akTree) table.emplace("TAB_FONT", &tabFont);
      for (const TreeSetting& setting : tree) {
        const std::string_view key = forKind == akTree ? setting.treeName : setting.tabTreeName;
        // The Tab applet has no tree, so only the Tab&Tree applet's tree font is read.
        if (forKind == akTab && key == "TREE_FONT") continue;
        table.emplace(key, &setting.handler);
      }
      return table;
    };
    static const std::unordered_map<std::string_view, const Handler*> tables[] = {tableFor(akTab), tableFor(akTree),
                                                                                   tableFor(akTabTree)};
    return tables[kind == akTab ? 0 : kind == akTree ? 1 : 2];
  }

  void readDefaultImages() {
    for (const Param& param : params_) {
      std::int32_t* target = nullptr;
      if (equalsNoCase(param.name, "FOLDER_CLOSED")) target = &settings_.DefFolderClosed;
      if (equalsNoCase(param.name, "FOLDER_OPEN")) target = &settings_.DefFolderOpen;
      if (equalsNoCase(param.name, "LEAF")) target = &settings_.DefLeaf;
      if (target == nullptr) continue;
      const std::optional<std::string> path = siteFile(valueText(param.value));
      *target = path ? files_.addImage(*path) : -1;
      if (path) menu_.Document.ImagesFromPage = true;
    }
  }

  // Sorts the node entries and content file names by tab, and finds the tabs'
  // own parameters, in one walk over the parameters; a walk per tab would make
  // pages of many tabs quadratic.
  void gatherTabParams() {
    const bool tabTree = settings_.Kind == akTabTree;
    // A tab's entries mostly stand together: its place is looked up again only when the tab changes.
    long long lastEntryTab = -1;
    std::vector<std::string_view>* lastEntries = nullptr;
    for (const Param& param : params_) {
      const long long entry = tabTree ? entryTab(param.name) : (numberedName(param.name, "I") >= 0 ? 0 : -1);
      if (entry >= 0) {
        if (entry != lastEntryTab) lastEntries = &tabParams_[entry].entries, lastEntryTab = entry;
        lastEntries->push_back(param.value);
        continue;  // an entry's name names no content file
      }
      const long long content =
          tabTree ? numberedName(param.name, "TAB", "_CONTENT") : (equalsNoCase(param.name, "CONTENT") ? 0 : -1);
      if (content >= 0) tabParams_[content].contentName = valueText(param.value);
      if (const long long tab = numberedName(param.name, "TAB"); tab >= 0) numberedTabs_.emplace_back(tab, param);
    }
  }

  void readTabs() {
    gatherTabParams();
    if (settings_.Kind == akTree) {
      readDefaultImages();
      menu_.AddTab("Blank");
      readNodes(0);
    } else {
      // Tabs count from TAB0 in page order; the first gap ends them.
      int next = 0;
      std::vector<const Param*> tabs;
      for (const auto& [number, param] : numberedTabs_) {
        if (number != next) break;
        tabs.push_back(&param);
        ++next;
      }
      if (settings_.Kind == akTabTree) readDefaultImages();
      for (std::size_t j = 0; j < tabs.size(); ++j) {
        StringList items;
        splitString(valueText(tabs[j]->value), ";", items);
        for (auto& item : items) item = trim(item);
        TAppletPage& tab = menu_.AddTab(items.empty() ? std::string() : items[0]);
        std::string* fields[] = {&tab.TabPage.URL1, &tab.TabPage.Target1, &tab.TabPage.StatusText,
                                 &tab.TabPage.URL2, &tab.TabPage.Target2, &tab.TabPage.OnDemand};
        for (std::size_t k = 0; k < std::size(fields) && k + 1 < items.size(); ++k) *fields[k] = items[k + 1];
        if (settings_.Kind == akTabTree) readNodes(static_cast<int>(j));
        ui_.processEvents();
      }
    }
    // A menu always has a tab; a page that gives none gets a fresh one.
    if (menu_.tabCount() == 0) menu_.AddTab(kNewTabCaption);
    if (settings_.DefaultTab >= menu_.tabCount() || settings_.DefaultTab < -1) settings_.DefaultTab = -1;
    menu_.setCurrentTab(0);
  }

  // The node entries of a tab from the page, or the lines of its content file,
  // as views: into the page, into decoded copies of the values that need it
  // (kept in storage), or into the content file's text (kept in content).
  bool nodeEntries(int tabIndex, std::vector<std::string_view>& entries, std::vector<std::string>& storage,
                   FileBytes& content) {
    TabParams& gathered = tabParams_[tabIndex];
    entries = std::move(gathered.entries);
    const auto pageEntries = [&] {
      // Each value is looked at once; most need no decoding.
      const auto needsDecoding = [](std::string_view raw) {
        return raw.find('&') != std::string_view::npos || raw.find('\r') != std::string_view::npos;
      };
      std::vector<std::size_t> decoded;
      for (std::size_t i = 0; i < entries.size(); ++i) {
        if (needsDecoding(entries[i])) decoded.push_back(i);
      }
      // Reserved first, so that the views into the copies stay valid.
      storage.reserve(decoded.size());
      for (const std::size_t i : decoded) entries[i] = storage.emplace_back(valueText(entries[i]));
      return true;
    };
    const std::string contentName = gathered.contentName;
    if (contentName.empty()) return pageEntries();

    const std::string folder = pageFolder_ + settings_.Codebase;
    const std::optional<std::string> named = siteFile(contentName);
    if (!named) return pageEntries();  // the page's own entries stand
    std::string contentPath = *named;
    std::error_code error;
    if (!fs::is_regular_file(contentPath, error)) {
      FileDialogRequest request;
      request.title = "Unable to locate content file, please browse to locate";
      request.filter = "Content Files|*.txt";
      request.initialDir = folder;
      request.fileMustExist = true;
      auto picked = ui_.openFile(request);
      if (!picked) return false;
      contentPath = *picked;
    }
    const PageFileStatus status = readPageFile(contentPath, context_.maxPageBytes, content);
    if (status != PageFileStatus::Read) {
      ui_.message(MessageKind::Error, pageFileMessage(status, "content file", contentPath, context_.maxPageBytes));
      return false;
    }
    entries = textLineViews(content.view());
    settings_.ContentInFile = true;
    return true;
  }

  void readNodes(int tabIndex) {
    TAppletPage& tab = menu_.tab(tabIndex);
    tab.Nodes.clear();
    std::vector<std::string_view> entries;
    std::vector<std::string> storage;
    FileBytes content;
    if (!nodeEntries(tabIndex, entries, storage, content)) return;
    ImagePieceResolver images{
        [this](bool expanded) { return expanded ? settings_.DefFolderOpen : settings_.DefFolderClosed; },
        [this] { return settings_.DefLeaf; },
        [this](const std::string& file) {
          const std::optional<std::string> path = siteFile(file);
          if (!path) return -1;
          menu_.Document.ImagesFromPage = true;
          return files_.addImage(*path);
        }};
    readNodeEntries(entries, tab.Nodes, images);
  }

  MenuModel& menu_;
  TAppletSettings& settings_;
  UserInterface& ui_;
  ReaderContext& context_;
  FileResolver files_;
  std::string pagePath_;
  std::string pageFolder_;
  std::vector<Param> params_;
  std::map<std::string, bool> insideSite_;  // by joined path: each checked once
  std::vector<std::string> refusedFiles_;   // as the page names them
  struct TabParams {
    std::vector<std::string_view> entries;  // parameter values as they stand, in page order
    std::string contentName;           // the last one named
  };
  std::map<long long, TabParams> tabParams_;
  std::vector<std::pair<long long, Param>> numberedTabs_;  // "TAB12" as 12, in page order
};

}  // namespace

bool ReadPage(MenuModel& menu, const std::string& path, ReaderContext& context) {
  return PageReader(menu, context).read(path);
}

bool ReadPageLook(MenuModel& menu, const std::string& path, ReaderContext& context, PageLook& look) {
  return PageReader(menu, context).readLook(path, look);
}

}  // namespace quillon
