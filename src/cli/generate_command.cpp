#include "cli/generate_command.hpp"

#include <iostream>
#include <map>
#include <memory>
#include <stdexcept>

#include "app/program_folder.hpp"
#include "format/page_reader.hpp"
#include "format/text_helpers.hpp"
#include "generators/generator_commands.hpp"
#include "generators/page_style.hpp"
#include "generators/xml_sitemap_generator.hpp"

namespace quillon::cli {

namespace {

struct GenerateOptions {
  std::string kind;
  std::string page;
  std::vector<std::string> assignments;
  bool preview = false;
};

const std::map<std::string, GeneratorTab>& generatorKinds() {
  static const std::map<std::string, GeneratorTab> kinds{
      {"dropdown", GeneratorTab::DropDown},
      {"treeview", GeneratorTab::TreeView},
      {"sitemap", GeneratorTab::SiteMap},
      {"xml-sitemap", GeneratorTab::XmlSitemap}};
  return kinds;
}

NamedSetting text(const std::string& name, std::string& field) {
  return {name, [&field](const std::string& value) { field = value; }};
}

NamedSetting flag(const std::string& name, bool& field) {
  return {name, [&field](const std::string& value) { field = readSwitch(value); }};
}

NamedSettings dropDownSettings(DropDownOptions& o) {
  return {text("indent-symbol", o.indentSymbol), text("indent-count", o.indentCount),
          text("end-symbol", o.endSymbol),       flag("use-frames", o.useFrames),
          text("target", o.target),              flag("upper-case-roots", o.upperCaseRoots),
          text("selection-title", o.selectionTitle), text("output", o.outputPage)};
}

NamedSettings treeViewSettings(TreeViewOptions& o) {
  return {text("title", o.title),           text("first-folder", o.firstFolderName),
          text("first-mouse-over", o.firstMouseOverTitle), flag("scrollbar", o.showScrollbar),
          flag("frame-lines", o.showFrameLines), text("left-name", o.leftFrameName),
          text("main-name", o.mainFrameName), text("left-width", o.leftFrameWidth),
          text("main-width", o.mainFrameWidth), text("output", o.framesetPage)};
}

NamedSettings siteMapSettings(SiteMapOptions& o) {
  NamedSetting construction{"construction", [&o](const std::string& value) {
                              if (equalsNoCase(value, "sitemap")) {
                                o.construction = SiteMapConstruction::SiteMap;
                              } else if (equalsNoCase(value, "outline")) {
                                o.construction = SiteMapConstruction::Outline;
                              } else {
                                throw std::invalid_argument("sitemap or outline");
                              }
                            }};
  return {construction,
          flag("use-main-target", o.useMainTarget),
          text("target", o.target),
          flag("upper-case-roots", o.upperCaseRoots),
          flag("break-before-roots", o.breakBeforeRoots),
          flag("upper-case-tabs", o.upperCaseTabs),
          flag("break-before-tabs", o.breakBeforeTabs),
          text("indent-spaces", o.indentSpaces),
          text("token", o.token),
          flag("no-line-wrap", o.noLineWrap),
          text("output", o.outputPage)};
}

NamedSettings xmlSitemapSettings(XmlSitemapOptions& o) { return {text("base-url", o.baseUrl)}; }

NamedSettings tabSettings(GeneratorTab tab, GeneratorOptions& options) {
  switch (tab) {
    case GeneratorTab::DropDown: return dropDownSettings(options.dropDown);
    case GeneratorTab::SiteMap: return siteMapSettings(options.siteMap);
    case GeneratorTab::XmlSitemap: return xmlSitemapSettings(options.xmlSitemap);
    case GeneratorTab::TreeView: break;
  }
  return treeViewSettings(options.treeView);
}

Color readColor(const std::string& value) {
  const std::optional<Color> color = readHtmlColor(value);
  if (!color || value[0] != '#' || value.size() != 7) throw std::invalid_argument("a colour #RRGGBB");
  return *color;
}

// "FACE,SIZE[,bold][,italic][,underline][,strikeout][,#RRGGBB]"
PageFont readFont(const std::string& value) {
  StringList parts;
  splitString(value, ",", parts);
  if (parts.size() < 2 || trim(parts[0]).empty()) throw std::invalid_argument("FACE,SIZE[,bold,italic,...]");
  PageFont font;
  font.face = trim(parts[0]);
  try {
    std::size_t used = 0;
    font.size = std::stoi(trim(parts[1]), &used);
    if (used != trim(parts[1]).size()) throw std::invalid_argument("size");
  } catch (const std::exception&) {
    throw std::invalid_argument("a font size in points");
  }
  for (std::size_t k = 2; k < parts.size(); ++k) {
    const std::string part = lowerAscii(trim(parts[k]));
    if (part == "bold") font.bold = true;
    else if (part == "italic") font.italic = true;
    else if (part == "underline") font.underline = true;
    else if (part == "strikeout") font.strikeOut = true;
    else font.color = readColor(part);
  }
  return font;
}

// The page font and colour settings; any of them confirms the dialog, as its OK does.
NamedSettings styleSettings(PageStyle& style, bool& confirmed, const std::string& projectFolder) {
  PageStyleForm& form = style.form;
  auto changing = [&confirmed](std::function<void(const std::string&)> apply) {
    return [&confirmed, apply](const std::string& value) {
      apply(value);
      confirmed = true;
    };
  };
  auto font = [&](const std::string& name, PageFont& field) {
    return NamedSetting{name, changing([&field](const std::string& value) { field = readFont(value); })};
  };
  auto color = [&](const std::string& name, Color& field) {
    return NamedSetting{name, changing([&field](const std::string& value) { field = readColor(value); })};
  };
  return {
      {"default-fonts", changing([&form](const std::string& value) { form.useDefaultFonts = readSwitch(value); })},
      font("title-font", form.fontTitle),
      font("level1-font", form.fontLevel1),
      font("level2-font", form.fontLevel2),
      font("level3-font", form.fontLevel3),
      color("background-color", form.background),
      color("text-color", form.text),
      color("link-color", form.link),
      color("visited-link-color", form.visitedLink),
      color("active-link-color", form.activeLink),
      {"background-picture", changing([&style, projectFolder](const std::string& value) {
         if (value.empty()) {
           setBackgroundPictureChecked(style.form, false);
         } else {
           takeBackgroundPicture(style, absolutePagePath(value), projectFolder);
         }
       })},
  };
}

int runGenerate(const GenerateOptions& o, const DialogAnswers& answers) {
  const GeneratorTab tab = generatorKinds().at(o.kind);
  CliSession session(answers);
  MenuModel menu;
  if (!openMenuPage(menu, o.page, session)) return kFailed;

  PageStyle style;
  if (!menu.Document.BodyTag.empty()) style.body = parseBodyTag(menu.Document.BodyTag);
  showPageStyle(style, tab == GeneratorTab::DropDown);
  GeneratorOptions options = generatorOptionsFor(menu.Settings.Kind, tab);
  bool styleConfirmed = false;
  NamedSettings settings = tabSettings(tab, options);
  for (NamedSetting& setting : styleSettings(style, styleConfirmed, projectFolder(menu))) {
    settings.push_back(std::move(setting));
  }
  try {
    applySettings(settings, o.assignments);
  } catch (const std::invalid_argument& error) {
    std::cerr << "error: generate " << o.kind << ": " << error.what() << " (see docs/cli.md)\n";
    return kBadInput;
  }
  if (styleConfirmed) menu.Document.BodyTag = confirmPageStyle(style);

  GeneratorContext context{menu, session.ui(), style, programFolder()};
  PrintingBrowser browser(std::cout);
  const GenerationResult result =
      o.preview ? previewGenerated(options, context, browser) : saveGenerated(options, context);
  if (result.written() && tab == GeneratorTab::XmlSitemap) {
    std::cout << "Add this line to robots.txt: " << robotsSitemapLine(options.xmlSitemap.baseUrl) << '\n';
  }
  return result.written() ? kSuccess : kFailed;
}

}  // namespace

bool readSwitch(const std::string& value) {
  for (const char* yes : {"yes", "true", "on", "1"}) {
    if (equalsNoCase(value, yes)) return true;
  }
  for (const char* no : {"no", "false", "off", "0"}) {
    if (equalsNoCase(value, no)) return false;
  }
  throw std::invalid_argument("yes or no");
}

void applySettings(const NamedSettings& settings, const std::vector<std::string>& assignments) {
  for (const std::string& assignment : assignments) {
    const std::size_t equals = assignment.find('=');
    if (equals == std::string::npos) throw std::invalid_argument("--set " + assignment + ": expected OPTION=VALUE");
    const std::string name = assignment.substr(0, equals);
    const std::string value = assignment.substr(equals + 1);
    const NamedSetting* found = nullptr;
    for (const NamedSetting& setting : settings) {
      if (setting.name == name) found = &setting;
    }
    if (!found) throw std::invalid_argument("--set " + name + ": no such option");
    try {
      found->apply(value);
    } catch (const std::invalid_argument& error) {
      throw std::invalid_argument("--set " + assignment + ": expected " + error.what());
    }
  }
}

bool openMenuPage(MenuModel& menu, const std::string& page, CliSession& session) {
  ReaderContext reader{session.ui()};
  reader.maxPageBytes = maxPageBytesSetting(session.commanderPorts().programSettings);
  return ReadPage(menu, absolutePagePath(page), reader);
}

void addGenerateCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto options = std::make_shared<GenerateOptions>();
  CLI::App* command =
      app.add_subcommand("generate", "Write an applet-free page of a menu page: drop-down box, tree view, site map or XML sitemap");
  command->add_option("KIND", options->kind, "dropdown, treeview, sitemap or xml-sitemap")
      ->required()
      ->check(CLI::IsMember({"dropdown", "treeview", "sitemap", "xml-sitemap"}));
  command->add_option("PAGE", options->page, "The applet page (.htm); the page is written beside it")->required();
  command->add_option("--set", options->assignments, "Set an option of the generator (repeatable; see docs/cli.md)")
      ->type_name("OPTION=VALUE");
  command->add_flag("--preview", options->preview, "Write the ~ preview page instead and print its address");
  command->callback([options, &run, &answers] { run.exitCode = runGenerate(*options, answers); });
}

}  // namespace quillon::cli
