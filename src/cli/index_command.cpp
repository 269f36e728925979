#include "cli/index_command.hpp"

#include <unistd.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>

#include "app/commander.hpp"
#include "app/link_path.hpp"
#include "cli/progress_line.hpp"
#include "format/atomic_file.hpp"
#include "indexer/site_indexer.hpp"

namespace quillon::cli {

namespace {

struct IndexOptions {
  std::string mode;
  std::vector<std::string> arguments;  // START... PAGE
  std::vector<std::string> sets;
  // The limits and switches given, as the window's fields hold them; the
  // kept settings stand for the others.
  std::vector<std::pair<std::string CrawlLimitFields::*, std::string>> limits;
  std::string robots;
  std::string pagesByType;
  std::string crawlDelay;
  std::string urlsFile;
  std::vector<std::string> include;
  std::vector<std::string> exclude;
  bool crawlOptionGiven() const {
    return !limits.empty() || !robots.empty() || !pagesByType.empty() || !crawlDelay.empty() || !urlsFile.empty() ||
           !include.empty() || !exclude.empty();
  }
};

// The crawl's options beside the window's limit fields.
struct LimitOption {
  const char* name;
  std::string CrawlLimitFields::*field;
  const char* help;
  const char* typeName = "N";
};
const LimitOption kLimitOptions[] = {
    {"--max-pages", &CrawlLimitFields::MaxPages, "Read at most N pages (default 10000)"},
    {"--max-depth", &CrawlLimitFields::MaxDepth, "Follow links at most N pages deep (default 25)"},
    {"--max-url-length", &CrawlLimitFields::MaxAddressLength, "Read no address longer than N characters (default 2000)"},
    {"--max-query-repeats", &CrawlLimitFields::MaxQueryRepeats,
     "Read no address whose query repeats one part more than N times (default 3)"},
    {"--max-minutes", &CrawlLimitFields::MaxMinutes, "End the crawl after N minutes (default 30)"},
    {"--page-seconds", &CrawlLimitFields::PageSeconds, "Give up a page after N seconds (default 30)"},
    {"--connections", &CrawlLimitFields::Connections,
     "Fetch up to N pages at once, 1 to 32 (default 4); the nodes and the log are the same for any N"},
    {"--delay", &CrawlLimitFields::DelayMs, "Wait MS milliseconds between two requests to one host (default 0)", "MS"},
};

const std::map<std::string, IndexerTab> kTabs = {
    {"url", IndexerTab::Internet},
    {"site", IndexerTab::LocalSite},
    {"files", IndexerTab::LocalFiles},
    {"sitemap", IndexerTab::Sitemap}};

// What one start of the mode is, for its message.
const char* startName(IndexerTab tab) {
  switch (tab) {
    case IndexerTab::Internet: return "address";
    case IndexerTab::Sitemap: return "sitemap address or file";
    default: return "file";
  }
}

std::string quotedList(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "\"" : ", \"") + item + "\"";
  return text;
}

bool isChoice(const std::vector<std::string>& choices, const std::string& value) {
  return std::find(choices.begin(), choices.end(), value) != choices.end();
}

std::optional<bool> yesNo(const std::string& value) {
  if (value == "yes" || value == "true" || value == "on" || value == "1") return true;
  if (value == "no" || value == "false" || value == "off" || value == "0") return false;
  return std::nullopt;
}

// One --set OPTION=VALUE on the settings of the tab; false, with the reason on stderr, when refused.
bool applySetting(const std::string& assignment, IndexerTab tab, IndexerSettings& settings) {
  const std::size_t equals = assignment.find('=');
  if (equals == std::string::npos) {
    std::cerr << "error: --set takes OPTION=VALUE, not " << assignment << '\n';
    return false;
  }
  const std::string name = assignment.substr(0, equals);
  const std::string value = assignment.substr(equals + 1);
  const bool files = tab == IndexerTab::LocalFiles;
  const auto choose = [&](std::string& field, const std::vector<std::string>& choices) {
    if (isChoice(choices, value)) {
      field = value;
      return true;
    }
    std::cerr << "error: " << name << " is one of " << quotedList(choices) << '\n';
    return false;
  };
  if (name == "node-text") return files ? choose(settings.Files.NodeText, localNodeTextChoices())
                                        : choose(settings.Site.NodeText, nodeTextChoices());
  if (name == "status-text") return files ? choose(settings.Files.Statusbar, localStatusChoices())
                                          : choose(settings.Site.StatusBar, statusBarChoices());
  if (name == "max-width") {
    (files ? settings.Files.MaxWidth : settings.Site.MaxWidth) = value;
    return true;
  }
  if (name == "target") {
    (files ? settings.Files.Target : settings.Site.Target) = value;
    return true;
  }
  if (name == "link" && files) return choose(settings.Files.Link, localLinkChoices());
  if (name == "file-only" && !files && tab != IndexerTab::Sitemap) {
    const std::optional<bool> on = yesNo(value);
    if (!on) std::cerr << "error: file-only is yes or no\n";
    settings.Site.FileOnly = on.value_or(false);
    return on.has_value();
  }
  const bool web = tab == IndexerTab::Internet || tab == IndexerTab::Sitemap;
  if (name == "proxy-host" && web) {
    settings.ProxyHost = value;
    return true;
  }
  if (name == "proxy-port" && web) {
    settings.ProxyPort = value;
    return true;
  }
  std::cerr << "error: no option " << name << " for this mode\n";
  return false;
}

// The patterns as the window's field holds them.
std::string joinedPatterns(const std::vector<std::string>& patterns) {
  std::string field;
  for (const std::string& pattern : patterns) field += (field.empty() ? "" : " ") + pattern;
  return field;
}

bool writeUrlList(const std::string& path, const std::vector<std::string>& addresses) {
  std::string text;
  for (const std::string& address : addresses) text += address + "\n";
  if (writeFileAtomically(path, text)) return true;
  std::cerr << "error: cannot write " << path << '\n';
  return false;
}

int runIndex(const IndexOptions& options, const DialogAnswers& answers) {
  const IndexerTab tab = kTabs.at(options.mode);
  const std::vector<std::string> starts(options.arguments.begin(), options.arguments.end() - 1);
  if (tab != IndexerTab::LocalFiles && starts.size() != 1) {
    std::cerr << "error: " << options.mode << " takes one start " << startName(tab) << " and the page\n";
    return kBadInput;
  }
  if (tab == IndexerTab::LocalFiles && options.crawlOptionGiven()) {
    std::cerr << "error: the limits, --robots, --pages-by-type, --crawl-delay, --include, --exclude and --urls "
                 "apply to url, site and sitemap\n";
    return kBadInput;
  }
  for (const std::vector<std::string>* patterns : {&options.include, &options.exclude}) {
    for (const std::string& pattern : *patterns) {
      if (pattern.empty() || patternsOfField(pattern).size() != 1) {
        std::cerr << "error: a pattern is one word; \"?\" stands for a blank: \"" << pattern << "\"\n";
        return kBadInput;
      }
    }
  }
  const std::optional<bool> robots = options.robots.empty() ? std::optional<bool>() : yesNo(options.robots);
  const std::optional<bool> pagesByType =
      options.pagesByType.empty() ? std::optional<bool>() : yesNo(options.pagesByType);
  const std::optional<bool> crawlDelay = options.crawlDelay.empty() ? std::optional<bool>() : yesNo(options.crawlDelay);
  if ((!options.robots.empty() && !robots) || (!options.pagesByType.empty() && !pagesByType) ||
      (!options.crawlDelay.empty() && !crawlDelay)) {
    std::cerr << "error: --robots, --pages-by-type and --crawl-delay are yes or no\n";
    return kBadInput;
  }

  // Outlives the session and the indexer, whose callbacks reach it.
  ProgressLine progress(std::cerr, isatty(STDERR_FILENO) != 0);
  CliSession session(answers);
  const CommanderPorts ports = session.commanderPorts();
  Commander commander(ports);
  if (!commander.openPage(absolutePagePath(options.arguments.back()))) return kFailed;
  MenuModel& menu = commander.menu();
  if (!hasTrees(menu.Settings.Kind) || menu.tabCount() == 0) {
    std::cerr << "error: " << menu.Document.PagePath << " holds a Tab menu, which has no tree\n";
    return kFailed;
  }
  // The crawl starts beside the first node of the first tree.
  menu.setCurrentTab(0);
  menu.CurrentTab()->Nodes.selectFirst();

  SiteIndexer indexer({ports.ui, ports.browser, ports.programSettings, menu, ports.programFolder,
                       [&menu](const std::string& file) {
                         return linkPathFor(menu.Document.PagePath, menu.Settings.Codebase, file);
                       }});
  indexer.formShow(static_cast<int>(tab));
  for (const std::string& assignment : options.sets) {
    if (!applySetting(assignment, tab, indexer.settings)) return kBadInput;
  }
  if (tab == IndexerTab::LocalFiles) {
    indexer.localMaxWidthChanged();
  } else {
    indexer.maxWidthChanged();
  }
  // The options are for this run; the kept limits stay as the window left them.
  const IndexerSettings kept = indexer.settings;
  for (const auto& [field, value] : options.limits) indexer.settings.Limits.*field = value;
  if (robots) indexer.settings.ObeyRobots = *robots;
  if (pagesByType) indexer.settings.PagesByType = *pagesByType;
  if (crawlDelay) indexer.settings.HonourCrawlDelay = *crawlDelay;
  if (!options.include.empty()) indexer.settings.Include = joinedPatterns(options.include);
  if (!options.exclude.empty()) indexer.settings.Exclude = joinedPatterns(options.exclude);
  indexer.state().log.onLine = [&progress](std::string_view line) {
    progress.beforeLogLine();
    std::cerr << line << '\n';
    progress.afterLogLine();
  };
  indexer.state().onProgress = [&progress](const CrawlProgress& reached) { progress.update(reached); };
  session.ui().beforeMessage = [&progress] { progress.beforeLogLine(); };

  bool indexed = false;
  if (tab == IndexerTab::LocalFiles) {
    std::vector<std::string> files;
    for (const std::string& file : starts) files.push_back(absolutePagePath(file));
    indexed = indexer.addLocalFiles(files);
  } else if (tab == IndexerTab::Sitemap) {
    const std::string& start = starts.front();
    indexer.settings.Sitemap = start.find("://") != std::string::npos ? start : absolutePagePath(start);
    const CrawlResult result = indexer.indexSitemap(indexer.settings.Sitemap);
    indexed = result.succeeded;
    if (!options.urlsFile.empty() && !writeUrlList(options.urlsFile, result.pagesRead)) indexed = false;
  } else {
    if (tab == IndexerTab::Internet) {
      indexer.settings.URL = starts.front();
      if (!indexer.addressFieldExit()) return kBadInput;
    } else {
      indexer.settings.LocalFile = absolutePagePath(starts.front());
    }
    const CrawlResult result =
        indexer.crawl(tab == IndexerTab::Internet ? indexer.settings.URL : indexer.settings.LocalFile);
    indexed = result.succeeded;
    if (!options.urlsFile.empty() && !writeUrlList(options.urlsFile, result.pagesRead)) indexed = false;
  }
  progress.finish();
  indexer.settings.Limits = kept.Limits;
  indexer.settings.ObeyRobots = kept.ObeyRobots;
  indexer.settings.PagesByType = kept.PagesByType;
  indexer.settings.HonourCrawlDelay = kept.HonourCrawlDelay;
  indexer.settings.Include = kept.Include;
  indexer.settings.Exclude = kept.Exclude;
  indexer.formClose();
  // A crawl that failed leaves the page as it was.
  if (!indexed) return kFailed;
  commander.save(SaveTrigger::Toolbar);
  return session.ui().errorShown() ? kFailed : kSuccess;
}

}  // namespace

void addIndexCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto options = std::make_shared<IndexOptions>();
  CLI::App* command =
      app.add_subcommand("index", "Add nodes to the first tree of a page from a web site, a local site or local files");
  command
      ->add_option("MODE", options->mode,
                   "url: a web site; site: a site on disk; files: the files themselves; sitemap: the pages an XML "
                   "sitemap lists (its address or file, a sitemap index, a robots.txt or a site's address)")
      ->required()
      ->check(CLI::IsMember({"url", "site", "files", "sitemap"}));
  command->add_option("START_AND_PAGE", options->arguments, "The start address or file (files: the files; sitemap: the sitemap), then PAGE.htm")
      ->required()
      ->expected(2, -1)
      ->type_name("START... PAGE");
  command->add_option("--set", options->sets, "A setting of the new nodes (repeatable; see docs/cli.md)")
      ->type_name("OPTION=VALUE");
  for (const LimitOption& limit : kLimitOptions) {
    command
        ->add_option_function<std::string>(
            limit.name, [options, field = limit.field](const std::string& value) { options->limits.emplace_back(field, value); },
            limit.help)
        ->type_name(limit.typeName);
  }
  command->add_option("--robots", options->robots, "Read and obey robots.txt of a web site: yes (default) or no")
      ->type_name("yes|no");
  command
      ->add_option("--pages-by-type", options->pagesByType,
                   "A web page is what the server calls HTML, whatever its extension: yes (default) or no")
      ->type_name("yes|no");
  command
      ->add_option("--crawl-delay", options->crawlDelay,
                   "Wait between requests to a host as its robots.txt Crawl-delay asks, at most 60 s: yes or no "
                   "(default no)")
      ->type_name("yes|no");
  command
      ->add_option("--include", options->include,
                   "Past the start page, read only addresses matching a pattern (repeatable; * any text, ? one "
                   "character)")
      ->expected(1)
      ->take_all()
      ->type_name("PATTERN");
  command->add_option("--exclude", options->exclude, "Do not read addresses matching the pattern (repeatable)")
      ->expected(1)
      ->take_all()
      ->type_name("PATTERN");
  command->add_option("--urls", options->urlsFile, "Write every address read, once, in crawl order")
      ->type_name("FILE");
  command->callback([options, &run, &answers] {
    run.exitCode = runIndex(*options, answers);
  });
}

}  // namespace quillon::cli
