#include "generators/sitemap_generator.hpp"

#include <charconv>

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

std::string repeated(const std::string& unit, int times) {
  std::string text;
  for (int k = 0; k < times; ++k) text += unit;
  return text;
}

}  // namespace

PageLines siteMapLines(const SiteMapOptions& options, const MenuModel& menu, const PageStyleForm& form,
                       UserInterface& ui) {
  const TAppletKind kind = menu.Settings.Kind;
  const bool outline = options.construction == SiteMapConstruction::Outline;
  const bool plain = form.useDefaultFonts;
  const int tabs = kind == akTabTree ? menu.tabCount() : 0;
  const std::string unit = indentUnit(options.indentSpaces);

  EntryReading reading;
  reading.onEntry = [&ui] { ui.processEvents(); };
  const std::vector<MenuEntry> entries = readMenuEntries(menu, reading);

  auto tabHeading = [&](int tab) {
    std::string caption = menu.tab(tab).Caption;
    if (options.upperCaseTabs) caption = upperCase(caption);
    caption = escapeHtmlText(caption);
    return plain ? caption : fontWrap(caption, form.fontLevel1);
  };
  auto entryFont = [&](int level) -> const PageFont& {
    if (kind == akTabTree) return level == 0 ? form.fontLevel2 : form.fontLevel3;
    if (level == 0) return form.fontLevel1;
    return level == 1 ? form.fontLevel2 : form.fontLevel3;
  };

  PageLines lines;
  if (tabs > 0) lines.push_back(tabHeading(0) + "<BR>");

  int currentTab = 0;
  int previousLevel = -1;
  bool noWrapStarted = false;
  for (std::size_t j = 0; j < entries.size(); ++j) {
    const MenuEntry& entry = entries[j];
    if (kind == akTabTree && entry.tabIndex != currentTab) {
      currentTab = entry.tabIndex;
      lines.push_back(std::string(options.noLineWrap ? "</NOBR>" : "") +
                      (options.breakBeforeTabs && j > 1 ? "<BR>" : "") + "<BR>");
      lines.push_back(tabHeading(currentTab) + (outline && j > 1 ? "<br>" : ""));
    }

    std::string indent = (tabs == 0 ? "" : unit) + repeated(unit, entry.level);
    if (options.breakBeforeRoots && entry.level == 0 && j > 0) lines.push_back("<BR>");
    if (!outline && entry.level == previousLevel) indent = entry.level == 0 && tabs > 0 ? unit : "";

    std::string caption = entry.caption;
    const bool upper = kind == akTab ? options.upperCaseTabs : options.upperCaseRoots && entry.level == 0;
    if (upper) caption = upperCase(caption);
    caption = escapeHtmlText(caption);

    std::string opening;
    if (entry.url.empty()) {
      opening = indent + "<A>";
    } else {
      const std::string href = "<A HREF=\"" + escapeHtmlAttribute(entry.url) + "\"";
      if (options.useMainTarget) {
        opening = indent + href + " TARGET=\"" + escapeHtmlAttribute(entry.target) + "\">";
      } else if (!options.target.empty()) {
        opening = indent + href + " TARGET=\"" + escapeHtmlAttribute(options.target) + "\">";
      } else {
        opening = indent + href + ">";
      }
    }

    std::string text;
    if (plain) {
      text = opening + caption + "</A>";
    } else {
      // The anchor closes inside the font tag.
      const PageFont& font = entryFont(entry.level);
      const StyleTags tags = styleTags(font);
      text = opening + tags.opening + "<font face=\"" + escapeHtmlAttribute(font.face) + "\" size=\"" +
             std::to_string(htmlFontSize(font.size)) + "\" color=\"" + colorToHtml(font.color) + "\">" + caption +
             "</A></font>" + tags.closing;
    }

    if (outline) {
      lines.push_back(text + "<BR>");
      continue;
    }
    if (entry.level == previousLevel && entry.level != 0) {
      lines.push_back(options.token + " " + text);
    } else if (previousLevel != -1) {
      if (options.noLineWrap) {
        lines.push_back((noWrapStarted ? "</NOBR><BR><NOBR>" : "<BR><NOBR>") + text);
        noWrapStarted = true;
      } else {
        lines.push_back("<BR>" + text);
      }
    } else {
      lines.push_back(text);
    }
    previousLevel = entry.level;
  }
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

  const PageLines map = siteMapLines(options, menu, form, context.ui);
  lines->insert(lines->end(), map.begin(), map.end());
  lines->push_back("</BODY></HTML>");
  files.writePage(outputName(options.outputPage, preview), *lines);
  return files.result();
}

}  // namespace quillon
