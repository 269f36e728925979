#include "generators/dropdown_generator.hpp"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

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

struct DropDownRecord {
  std::string display;
  std::string url;
  std::string target;
  int group = 0;  // the tab of a Tab&Tree menu
};

struct DropDownPage {
  const DropDownOptions& options;
  const MenuModel& menu;
  const PageStyleForm& form;
  std::vector<DropDownRecord> records;
  bool grouped = false;

  std::string quoted(const std::string& text) const { return ",\"" + escapeScriptString(text, '"') + "\""; }

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

  // Walks the records, calling onGroup(previous g, record) at each change of group.
  template <typename OnGroup, typename OnRecord>
  void eachRecord(OnGroup&& onGroup, OnRecord&& onRecord) const {
    int g = 0;
    for (const auto& record : records) {
      if (grouped && record.group != g) {
        onGroup(g, record);
        g = record.group;
      }
      onRecord(record);
    }
  }

  PageLines urlLines() const {
    PageLines lines;
    eachRecord(
        [&](int g, const DropDownRecord&) {
          const std::string n = std::to_string(g);
          lines.insert(lines.end(), {");", " ", "function morvane_go" + n + "(form) {", "     i = form.selectedIndex;",
                                     "     if (i == 0) return;", dropDownJumpLine(options, "url" + n) + "}", " ",
                                     "var url" + n + " = new Morvane (\"\""});
        },
        [&](const DropDownRecord& record) { lines.push_back(quoted(record.url)); });
    return lines;
  }

  PageLines targetLines() const {
    PageLines lines;
    eachRecord(
        [&](int g, const DropDownRecord&) {
          lines.insert(lines.end(), {");", "var target" + std::to_string(g) + " = new Morvane (\"\""});
        },
        [&](const DropDownRecord& record) { lines.push_back(quoted(record.target)); });
    return lines;
  }

  std::string boxOpening(const std::string& suffix, int group) const {
    const std::string select = "<SELECT NAME=\"morvane_sel" + suffix + "\" aria-label=\"" + boxLabel(group) +
                               "\" onChange=\"morvane_go" + suffix + "(this.form.morvane_sel" + suffix + ")\">";
    if (!grouped) return "<TD><FORM>" + select;
    return "<TD><FORM>" + boxHeading(group) + "</TD><TD>" + select;
  }

  std::string titleOption() const { return "<OPTION>" + escapeHtmlText(options.selectionTitle); }

  PageLines optionLines() const {
    PageLines lines{titleOption()};
    eachRecord(
        [&](int g, const DropDownRecord& record) {
          lines.push_back("</SELECT></FORM></TD></TR>");
          lines.push_back(boxOpening(std::to_string(g), record.group));
          lines.push_back(titleOption());
        },
        [&](const DropDownRecord& record) { lines.push_back("<OPTION>" + escapeHtmlText(record.display)); });
    return lines;
  }
};

}  // namespace

std::string dropDownDisplayText(const std::string& text, int level, const DropDownOptions& options) {
  std::string indent;
  const std::optional<int> count = readInteger(options.indentCount);
  const std::string& symbol = options.indentSymbol;
  if (count && !symbol.empty() && !equalsNoCase(symbol, "none")) {
    const long wanted = static_cast<long>(level) * *count;
    const long available = static_cast<long>(characterCount(symbol)) * kIndentRepeats;
    const long length = std::min(wanted, available);
    if (length > 0) indent = repeatedCharacters(symbol, static_cast<std::size_t>(length));
  }
  std::string display = indent;
  if (!indent.empty() && !equalsNoCase(options.endSymbol, "none")) display += options.endSymbol;
  display += text;
  if (options.upperCaseRoots && level == 0) display = upperCase(display);
  return display;
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
  DropDownPage page{options, menu, context.style.form, {}, menu.Settings.Kind == akTabTree};
  for (MenuEntry& entry : readMenuEntries(menu, reading)) {
    std::string display = tabMenu ? entry.caption : dropDownDisplayText(entry.caption, entry.level, options);
    std::string target = options.useFrames ? entry.target : options.target;
    page.records.push_back({std::move(display), std::move(entry.url), std::move(target), entry.tabIndex});
  }

  GeneratedFiles files(menu);
  std::optional<PageLines> lines = files.readTemplate(context.programFolder, "ddmenu.htm");
  if (!lines) return files.result();
  showPageStyle(context.style, true);

  auto insertBelow = [&lines](std::size_t& at, const PageLines& block) {
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(at + 1), block.begin(), block.end());
    at += block.size();  // the inserted lines are not scanned again
  };
  for (std::size_t i = 1; i < lines->size(); ++i) {
    ui.processEvents();
    const std::string line = (*lines)[i];
    if (posNoCase("<BODY", line)) {
      (*lines)[i] = menu.Document.BodyTag;
    } else if (posNoCase("Quillon - Drop Down", line)) {
      (*lines)[i - 1].clear();
      (*lines)[i] = page.pageHeading();
    } else if (posNoCase("function morvane_go(form) {", line)) {
      if (i + 3 < lines->size()) (*lines)[i + 3] = dropDownJumpLine(options, "url");
    } else if (posNoCase("var url = new Morvane (", line)) {
      insertBelow(i, page.urlLines());
    } else if (posNoCase("var target = new Morvane (", line)) {
      insertBelow(i, page.targetLines());
    } else if (posNoCase("morvane_go(this.form)", line)) {
      (*lines)[i] = page.boxOpening("", 0);
      insertBelow(i, page.optionLines());
    }
  }
  files.writePage(outputName(options.outputPage, preview), *lines);
  return files.result();
}

}  // namespace quillon
