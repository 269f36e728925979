#include "cli/cli_manual.hpp"

#include <string>

#include "cli/cli_run.hpp"

namespace quillon::cli {

namespace {

using manual::Entry;
using manual::Section;

// quillon-cli keeps CLI11's own formatter, so a default one words the lines as --help does.
const CLI::Formatter kFormatter;

// The usage line as --help prints it, without its label.
std::string usageOf(const CLI::App& command, const std::string& name) {
  std::string usage = kFormatter.make_usage(&command, name);
  const std::string label = "Usage: ";
  if (usage.rfind(label, 0) == 0) usage.erase(0, label.size());
  while (!usage.empty() && usage.back() == '\n') usage.pop_back();
  return usage;
}

// Positionals first, then options, as --help lists them; hidden options (no group) are left out.
std::vector<Entry> entriesOf(const CLI::App& command) {
  std::vector<Entry> entries;
  for (const bool positional : {true, false}) {
    for (const CLI::Option* option : command.get_options()) {
      if (option->get_positional() != positional || option->get_group().empty()) continue;
      std::string argument = kFormatter.make_option_opts(option);
      if (!argument.empty() && argument.front() == ' ') argument.erase(0, 1);
      entries.push_back({kFormatter.make_option_name(option, positional), argument, option->get_description()});
    }
  }
  return entries;
}

std::vector<const CLI::App*> commandsOf(const CLI::App& app) {
  return app.get_subcommands(std::function<bool(const CLI::App*)>{});
}

}  // namespace

manual::ManualPage cliManualPage(const CLI::App& app) {
  const std::string name = app.get_name();
  manual::ManualPage page{name, "build site-navigation menu pages from the command line", QUILLON_VERSION, {}, {}};
  page.synopsis.push_back(usageOf(app, ""));
  page.synopsis.push_back("help [COMMAND]");
  page.sections.push_back(
      {"DESCRIPTION",
       "quillon-cli does from the command line what the desktop program quillon does in its windows: it writes menus "
       "as applet pages and reads them back, makes new menus, previews, fetches and indexes web sites, and writes the "
       "applet-free pages and start pages of a menu.\n"
       "Questions the windows would ask are answered by --yes, and file dialogs by --pick. Messages go to the "
       "standard error as \"error: ...\" or \"warning: ...\".",
       {}});
  page.sections.push_back({"OPTIONS", "These come before the command.", entriesOf(app)});
  page.sections.push_back({"COMMANDS", "", {}});
  for (const CLI::App* command : commandsOf(app))
    page.sections.push_back({usageOf(*command, name + " " + command->get_name()), command->get_description(),
                             entriesOf(*command), true});
  page.sections.push_back(manual::environmentSection());
  page.sections.push_back(manual::filesSection());
  page.sections.push_back({"EXIT STATUS",
                           "",
                           {{std::to_string(kSuccess), "", "The command did what it was asked."},
                            {std::to_string(kFailed), "", "It failed; the standard error says why."},
                            {std::to_string(kBadInput), "",
                             "An unknown command or option, or a value an option does not take."}}});
  page.sections.push_back({"SEE ALSO", "quillon(1)", {}});
  return page;
}

}  // namespace quillon::cli
