#include "generators/sitemap_generator.hpp"

#include <charconv>
#include <deque>
#include <initializer_list>

#include "format/html_escape.hpp"
#include "generators/menu_entries.hpp"
#include "generators/text_escape.hpp"
#include "generators/utf8_text.hpp"

namespace quillon {

namespace {

// "&nbsp;" once per indent space; none for "none" or anything not a number.
std::string indentUnit(const std::string& spaces) {
  int count = 0;
  const auto [end, error] = std::from_chars(spaces.data(), spaces.data() + spaces.size(), count);
  if (error != std::errc() || end != spaces.data() + spaces.size() || count <= 0) return "";
  std::string unit;
  for (int k = 0; k < count; ++k) unit += "&nbsp;";
  return unit;
}

// Where the map's lines go: a list of lines, or the page's text with CR LF
// after each, which spares a large map a string per line.
class MapLines {
 public:
  explicit MapLines(PageLines& lines) : lines_(&lines) {}
  explicit MapLines(std::string& text) : text_(&text) {}

  void add(std::initializer_list<std::string_view> pieces) {
    std::string* line = text_;
    if (lines_) {
      line = &lines_->emplace_back();
      std::size_t size = 0;
      for (const std::string_view piece : pieces) size += piece.size();
      line->reserve(size);
    }
    for (const std::string_view piece : pieces) *line += piece;
    if (text_) *text_ += "\r\n";
  }

 private:
  PageLines* lines_ = nullptr;
  std::string* text_ = nullptr;
};

void writeSiteMap(const SiteMapOptions& options, const MenuModel& menu, const PageStyleForm& form, UserInterface& ui,
                  MapLines& lines) {
  const TAppletKind kind = menu.Settings.Kind;
  const bool outline = options.construction == SiteMapConstruction::Outline;
  const bool plain = form.useDefaultFonts;
  const int tabs = kind == akTabTree ? menu.tabCount() : 0;
  const std::string unit = indentUnit(options.indentSpaces);

  EntryReading reading;
  reading.onEntry = [&ui] { ui.processEvents(); };

  auto tabHeading = [&](int tab) {
    std::string caption = menu.tab(tab).Caption;
    if (options.upperCaseTabs) caption = upperCase(caption);
    caption = escapeHtmlText(caption);
    return plain ? caption : fontWrap(caption, form.fontLevel1);
  };
  // 0, 1, 2 for the level 1, 2 and 3 fonts.
  auto entryFont = [&](int level) {
    if (kind == akTabTree) return level == 0 ? 1 : 2;
    if (level == 0) return 0;
    return level == 1 ? 1 : 2;
  };

  // The font tags of the three entry fonts, made once.
  struct FontOpening {
    std::string opening;
    std::string closing;
  };
  FontOpening fonts[3];
  const PageFont* entryFonts[] = {&form.fontLevel1, &form.fontLevel2, &form.fontLevel3};
  for (int k = 0; k < 3; ++k) {
    fonts[k] = {fontWrapping(*entryFonts[k]).opening, styleTags(*entryFonts[k]).closing};
  }
  struct {
    std::string indent, caption, text;
  } scratch;

  if (tabs > 0) lines.add({tabHeading(0), "<BR>"});

  const std::string tokenPrefix = options.token + " ";
  int currentTab = 0;
  int previousLevel = -1;
  bool noWrapStarted = false;
  std::size_t j = 0;
  std::deque<std::string> changedTexts;
  visitMenuEntries(menu, reading, changedTexts, [&](const MenuEntry& entry) {
    if (kind == akTabTree && entry.tabIndex != currentTab) {
      currentTab = entry.tabIndex;
      lines.add({options.noLineWrap ? "</NOBR>" : "", options.breakBeforeTabs && j > 1 ? "<BR>" : "", "<BR>"});
      lines.add({tabHeading(currentTab), outline && j > 1 ? "<br>" : ""});
    }

    std::string& indent = scratch.indent;
    indent.clear();
    if (tabs > 0) indent += unit;
    for (int k = 0; k < entry.level; ++k) indent += unit;
    if (options.breakBeforeRoots && entry.level == 0 && j > 0) lines.add({"<BR>"});
    if (!outline && entry.level == previousLevel) indent = entry.level == 0 && tabs > 0 ? unit : "";

    std::string& caption = scratch.caption;
    caption.clear();
    const bool upper = kind == akTab ? options.upperCaseTabs : options.upperCaseRoots && entry.level == 0;
    if (upper) {
      appendHtmlText(caption, upperCase(std::string(entry.caption)));
    } else {
      appendHtmlText(caption, entry.caption);
    }

    // One buffer for the entry's text, its room used again for every entry.
    std::string& text = scratch.text;
    text.clear();
    text += indent;
    if (entry.url.empty()) {
      text += "<A>";
    } else {
      text += "<A HREF=\"";
      appendHtmlAttribute(text, entry.url);
      text += '"';
      const std::string_view target = options.useMainTarget ? entry.target : std::string_view(options.target);
      if (options.useMainTarget || !options.target.empty()) {
        text += " TARGET=\"";
        appendHtmlAttribute(text, target);
        text += '"';
      }
      text += '>';
    }
    if (plain) {
      text += caption;
      text += "</A>";
    } else {
      // The anchor closes inside the font tag.
      const FontOpening& font = fonts[entryFont(entry.level)];
      text += font.opening;
      text += caption;
      text += "</A></font>";
      text += font.closing;
    }

    auto addLine = [&lines, &text](std::string_view before, std::string_view after) {
      lines.add({before, text, after});
    };
    ++j;
    if (outline) {
      addLine("", "<BR>");
      return;
    }
    if (entry.level == previousLevel && entry.level != 0) {
      addLine(tokenPrefix, "");
    } else if (previousLevel != -1) {
      if (options.noLineWrap) {
        addLine(noWrapStarted ? "</NOBR><BR><NOBR>" : "<BR><NOBR>", "");
        noWrapStarted = true;
      } else {
        addLine("<BR>", "");
      }
    } else {
      addLine("", "");
    }
    previousLevel = entry.level;
  });
}

}  // namespace

PageLines siteMapLines(const SiteMapOptions& options, const MenuModel& menu, const PageStyleForm& form,
                       UserInterface& ui) {
  PageLines lines;
  MapLines sink(lines);
  writeSiteMap(options, menu, form, ui, sink);
  return lines;
}

GenerationResult generateSiteMap(const SiteMapOptions& options, GeneratorContext& context, bool preview) {
  const MenuModel& menu = context.menu;
  GeneratedFiles files(menu);
  std::optional<PageLines> lines = files.readTemplate(context.programFolder, "sitemap.htm");
  if (!lines) return files.result();
  if (lines->size() <= sitemap_lines::kTitle) {
    files.templateUnfit(context.programFolder, "sitemap.htm");
    return files.result();
  }
  (*lines)[sitemap_lines::kBody] = menu.Document.BodyTag;
  showPageStyle(context.style, false);
  const PageStyleForm& form = context.style.form;
  static const std::string title = "Morvane's Quillon - Site Map";
  (*lines)[sitemap_lines::kTitle] =
      form.useDefaultFonts ? "<H2>" + title + "</H2>" : fontWrap(title, form.fontTitle) + "<BR><BR>";

  std::string text;
  appendPageLines(text, *lines, 0, lines->size());
  MapLines map(text);
  writeSiteMap(options, menu, form, context.ui, map);
  text += "</BODY></HTML>\r\n";
  files.writeFile(outputName(options.outputPage, preview), text);
  return files.result();
}

}  // namespace quillon
