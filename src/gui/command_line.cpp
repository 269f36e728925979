#include "gui/command_line.hpp"

#include <string_view>

namespace quillon::gui {

namespace {

QCommandLineOption hidden(QCommandLineOption option) {
  option.setFlags(QCommandLineOption::HiddenFromHelp);
  return option;
}

std::string text(const QString& value) { return value.toStdString(); }

manual::Entry entryOf(const QCommandLineOption& option) {
  QStringList names;
  for (const QString& name : option.names()) names << (name.size() == 1 ? "-" : "--") + name;
  return {text(names.join(", ")), text(option.valueName()), text(option.description())};
}

}  // namespace

CommandLine::CommandLine()
    : help(parser.addHelpOption()),
      // Qt's own would print the window caption before the version.
      version({"v", "version"}, "Displays version information."),
      open("open", "Open the page at start-up.", "PAGE"),
      screenshot("screenshot",
                 "Save a picture of the window on each settings page, and of the generator, deploy and indexer "
                 "windows, into FOLDER, then quit.",
                 "FOLDER"),
      manualPage(hidden({"manual-page", "Print the manual page in roff."})) {
  parser.setApplicationDescription("Morvane's Quillon - Commander: builds site-navigation menu pages.");
  parser.addOption(version);
  parser.addOption(open);
  parser.addOption(screenshot);
  parser.addOption(manualPage);
}

bool asksForTextOnly(int argc, char** argv) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  CommandLine commandLine;
  // The window system's own options (-platform, -reverse) are not known yet:
  // read as words, they cannot pass for -v or -h.
  commandLine.parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  commandLine.parser.parse(arguments);
  return commandLine.parser.isSet(commandLine.help) || commandLine.parser.isSet("help-all") ||
         commandLine.parser.isSet(commandLine.version) || commandLine.parser.isSet(commandLine.manualPage);
}

bool hasDisplay(int argc, char** argv) {
  for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    if (!qEnvironmentVariableIsEmpty(variable)) return true;
  for (int i = 1; i < argc; ++i) {
    for (const std::string_view option : {"-platform", "--platform", "-display", "--display"})
      if (argv[i] == option) return true;
  }
  return false;
}

QStringList withoutDanglingOpen(QStringList arguments) {
  if (arguments.size() > 1 && arguments.last() == "--open") arguments.removeLast();
  return arguments;
}

manual::ManualPage programManualPage(const CommandLine& commandLine) {
  manual::ManualPage page{"quillon", "build site-navigation menus for web pages", QUILLON_VERSION, {}, {}};
  QStringList usage;
  for (const QCommandLineOption* option : {&commandLine.open, &commandLine.screenshot})
    usage << "[--" + option->names().constFirst() + ' ' + option->valueName() + ']';
  page.synopsis = {text(usage.join(' ')), "--help | --help-all | --version"};
  page.sections.push_back(
      {"DESCRIPTION",
       text(commandLine.parser.applicationDescription()) +
           "\nIt builds a menu of tabs and trees of links and saves it as an HTML page with one of three menu applets, "
           "or as a drop-down box, a tree view or a site map without an applet. The page is also the project: open it "
           "again to go on editing. quillon-cli(1) does the same from the command line.\n"
           "Besides the options below it takes the options of the window system (-platform, -style and others) that "
           "--help-all lists.",
       {}});
  page.sections.push_back({"OPTIONS",
                           "",
                           {entryOf(commandLine.help),
                            {"--help-all", "", "Displays help including Qt specific options."},
                            entryOf(commandLine.version),
                            entryOf(commandLine.open),
                            entryOf(commandLine.screenshot)}});
  page.sections.push_back(manual::environmentSection());
  page.sections.push_back(manual::filesSection());
  page.sections.push_back({"EXIT STATUS",
                           "",
                           {{"0", "", "The window was closed, the pictures were saved, or the text asked for was printed."},
                            {"1", "", "There is no display to show the window on."},
                            {"2", "", "An unknown option, or an option without its value."}}});
  page.sections.push_back({"SEE ALSO", "quillon-cli(1)", {}});
  return page;
}

}  // namespace quillon::gui
