#include "generators/dropdown_generator.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <deque>
#include <optional>
#include <string_view>

#include "format/html_escape.hpp"
#include "format/text_helpers.hpp"
#include "generators/menu_entries.hpp"
#include "generators/text_escape.hpp"
#include "generators/utf8_text.hpp"

namespace quillon {

namespace {

constexpr int kIndentRepeats = 255;

std::optional<int> readInteger(const std::string& text) {
  int value = 0;
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+') ++first;
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc() || end != last || first == last) return std::nullopt;
  return value;
}

// Names that a window answers itself, so "parent.NAME" would not reach a frame.
bool isWindowProperty(const std::string& name) {
  static const std::array<const char*, 16> names{"top",     "self",     "parent",       "window", "frames",   "opener",
                                                 "name",    "location", "status",       "document", "history", "length",
                                                 "closed",  "navigator", "frameElement", "screen"};
  for (const char* known : names) {
    if (name == known) return true;
  }
  return false;
}

// A frame name that can follow "parent." in a script.
bool isPlainFrameName(const std::string& name) {
  if (name.empty() || isWindowProperty(name)) return false;
  auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '$'; };
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  if (!letter(name[0])) return false;
  for (char c : name) {
    if (!letter(c) && !digit(c) && c != '_') return false;
  }
  return true;
}

// Empties a line, or the last line of a block of lines.
void clearLastLine(std::string& text) {
  const std::size_t end = text.rfind("\r\n");
  text.resize(end == std::string::npos ? 0 : end + 2);
}

// The page's three blocks of lines (the links, their targets and the boxes'
// options) built in one walk of the menu, while each entry's texts are at hand.
struct DropDownPage {
  const DropDownOptions& options;
  const MenuModel& menu;
  const PageStyleForm& form;
  bool grouped = false;
  bool tabMenu = false;
  // The indent and end symbol of each level, made once, before an entry of the level is added.
  std::vector<std::string> prefixes = {};
  std::string urlLines = {};
  std::string targetLines = {};
  std::string optionLines = {};
  int group = 0;  // the tab of a Tab&Tree menu whose entries are being added

  // Blocks of lines are built as one text, CR LF between the lines: the
  // page takes each block as one element, written as the lines it holds.
  static void addLine(std::string& block, std::string_view text) {
    if (!block.empty()) block += "\r\n";
    block += text;
  }

  static void addQuoted(std::string& block, std::string_view text) {
    if (!block.empty()) block += "\r\n";
    block += ",\"";
    appendScriptString(block, text, '"');
    block += '"';
  }

  std::string tabCaption(int group) const { return group < menu.tabCount() ? menu.tab(group).Caption : ""; }

  std::string boxHeading(int group) const {
    const std::string caption = escapeHtmlText(tabCaption(group));
    return form.useDefaultFonts ? caption : fontWrap(caption, form.fontLevel1);
  }

  // The name the box is known by to assistive technology.
  std::string boxLabel(int group) const {
    return escapeHtmlAttribute(grouped ? tabCaption(group) : options.selectionTitle);
  }

  std::string pageHeading() const {
    static const std::string text = "Morvane's Quillon - DropDown Box Navigation Menu";
    return form.useDefaultFonts ? "<H2>" + text + "</H2>" : fontWrap(text, form.fontTitle) + "<BR>";
  }

  void add(const MenuEntry& entry) {
    if (grouped && entry.tabIndex != group) {
      // The arrays and the box of the previous group end; the next group's begin.
      const std::string n = std::to_string(group);
      for (const std::string& text : {std::string(");"), std::string(" "), "function morvane_go" + n + "(form) {",
                                      std::string("     i = form.selectedIndex;"), std::string("     if (i == 0) return;"),
                                      dropDownJumpLine(options, "url" + n) + "}", std::string(" "),
                                      "var url" + n + " = new Morvane (\"\""}) {
        addLine(urlLines, text);
      }
      addLine(targetLines, ");");
      addLine(targetLines, "var target" + n + " = new Morvane (\"\"");
      addLine(optionLines, "</SELECT></FORM></TD></TR>");
      addLine(optionLines, boxOpening(n, entry.tabIndex));
      addLine(optionLines, titleOption());
      group = entry.tabIndex;
    }
    addQuoted(urlLines, entry.url);
    addQuoted(targetLines, options.useFrames ? entry.target : std::string_view(options.target));
    optionLines += "\r\n<OPTION>";
    if (tabMenu) {
      appendHtmlText(optionLines, entry.caption);
    } else if (options.upperCaseRoots && entry.level == 0) {
      appendHtmlText(optionLines, upperCase(std::string(entry.caption)));
    } else {
      appendHtmlText(optionLines, prefixes[static_cast<std::size_t>(entry.level)]);
      appendHtmlText(optionLines, entry.caption);
    }
  }

  std::string boxOpening(const std::string& suffix, int group) const {
    const std::string select = "<SELECT NAME=\"morvane_sel" + suffix + "\" aria-label=\"" + boxLabel(group) +
                               "\" onChange=\"morvane_go" + suffix + "(this.form.morvane_sel" + suffix + ")\">";
    if (!grouped) return "<TD><FORM>" + select;
    return "<TD><FORM>" + boxHeading(group) + "</TD><TD>" + select;
  }

  std::string titleOption() const { return "<OPTION>" + escapeHtmlText(options.selectionTitle); }
};

// The indent and end symbol before a text of the level.
std::string displayPrefix(int level, const DropDownOptions& options) {
  std::string indent;
  const std::optional<int> count = readInteger(options.indentCount);
  const std::string& symbol = options.indentSymbol;
  if (count && !symbol.empty() && !equalsNoCase(symbol, "none")) {
    const long wanted = static_cast<long>(level) * *count;
    const long available = static_cast<long>(characterCount(symbol)) * kIndentRepeats;
    const long length = std::min(wanted, available);
    if (length > 0) indent = repeatedCharacters(symbol, static_cast<std::size_t>(length));
  }
  if (!indent.empty() && !equalsNoCase(options.endSymbol, "none")) indent += options.endSymbol;
  return indent;
}

}  // namespace

std::string dropDownDisplayText(const std::string& text, int level, const DropDownOptions& options) {
  const std::string display = displayPrefix(level, options) + text;
  return options.upperCaseRoots && level == 0 ? upperCase(display) : display;
}

std::string dropDownJumpLine(const DropDownOptions& options, const std::string& urlArray) {
  const std::string entry = urlArray + "[i+1]";
  if (!options.useFrames || options.target.empty()) return "     window.location.href = " + entry + ";";
  if (isPlainFrameName(options.target)) return "     parent." + options.target + ".location.href = " + entry + ";";
  // Any other name (a blank in it, "_top", a window's own property) is
  // reached by name, which a script cannot get wrong.
  return "     window.open(" + entry + ", \"" + escapeScriptString(options.target, '"') + "\");";
}

GenerationResult generateDDMenu(const DropDownOptions& options, GeneratorContext& context, bool preview) {
  const MenuModel& menu = context.menu;
  UserInterface& ui = context.ui;
  EntryReading reading;
  reading.onEntry = [&ui] { ui.processEvents(); };
  const bool tabMenu = menu.Settings.Kind == akTab;
  GeneratedFiles files(menu);
  std::optional<PageLines> lines = files.readTemplate(context.programFolder, "ddmenu.htm");
  if (!lines) return files.result();
  showPageStyle(context.style, true);
  DropDownPage page{options, menu, context.style.form, menu.Settings.Kind == akTabTree, tabMenu};
  page.optionLines = page.titleOption();
  std::deque<std::string> changedTexts;
  visitMenuEntries(menu, reading, changedTexts, [&](const MenuEntry& entry) {
    while (page.prefixes.size() <= static_cast<std::size_t>(entry.level)) {
      page.prefixes.push_back(displayPrefix(static_cast<int>(page.prefixes.size()), options));
    }
    page.add(entry);
  });

  // An empty block adds no line, as an empty list of lines did.
  auto insertBelow = [&lines](std::size_t& at, const std::string& block) {
    if (block.empty()) return;
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(at + 1), block);
    ++at;  // the inserted lines are not scanned again
  };
  for (std::size_t i = 1; i < lines->size(); ++i) {
    ui.processEvents();
    const std::string line = (*lines)[i];
    if (posNoCase("<BODY", line)) {
      (*lines)[i] = menu.Document.BodyTag;
    } else if (posNoCase("Quillon - Drop Down", line)) {
      clearLastLine((*lines)[i - 1]);
      (*lines)[i] = page.pageHeading();
    } else if (posNoCase("function morvane_go(form) {", line)) {
      if (i + 3 < lines->size()) (*lines)[i + 3] = dropDownJumpLine(options, "url");
    } else if (posNoCase("var url = new Morvane (", line)) {
      insertBelow(i, page.urlLines);
    } else if (posNoCase("var target = new Morvane (", line)) {
      insertBelow(i, page.targetLines);
    } else if (posNoCase("morvane_go(this.form)", line)) {
      (*lines)[i] = page.boxOpening("", 0);
      insertBelow(i, page.optionLines);
    }
  }
  files.writePage(outputName(options.outputPage, preview), *lines);
  return files.result();
}

}  // namespace quillon
