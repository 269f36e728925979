// --help, --version, help COMMAND and the manual pages of both programs agree.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <regex>
#include <set>
#include <sstream>

#include "cli_runner.hpp"
#include "manual/manual_page.hpp"
#include "temp_dir.hpp"

namespace quillon {
namespace {

using testing::readFile;
using testing::runCli;

const std::string kManualDir = QUILLON_MANUAL_DIR;

// The page as a reader types it: roff's escaped hyphens plain again.
std::string manualText(const std::string& name) {
  return std::regex_replace(readFile(kManualDir + "/" + name + ".1"), std::regex(R"(\\-)"), "-");
}

// Every option name (-h, --max-pages) a text names.
std::set<std::string> optionNamesIn(const std::string& text) {
  std::set<std::string> names;
  const std::regex name(R"((^|[\s,])(--?[a-z][a-z-]*))");
  for (auto it = std::sregex_iterator(text.begin(), text.end(), name); it != std::sregex_iterator(); ++it)
    names.insert((*it)[2]);
  return names;
}

// What --help lists of one command: "-h,--help", "--max-pages", "MODE" (the
// first word of each entry), without the list of commands.
std::set<std::string> helpTerms(const std::string& help) {
  std::set<std::string> terms;
  std::istringstream lines(help.substr(0, help.find("Subcommands:")));
  std::string line;
  const std::regex entry(R"(^  (\S+))");
  std::smatch match;
  while (std::getline(lines, line))
    if (std::regex_search(line, match, entry)) terms.insert(match[1]);
  return terms;
}

// The bold words of the entries of one section of the page, from its heading
// to the next heading.
std::set<std::string> manualTerms(const std::string& manual, const std::string& heading) {
  std::set<std::string> terms;
  const std::size_t start = manual.find(heading);
  if (start == std::string::npos) return terms;
  const std::size_t end = manual.find("\n.S", start + heading.size());
  const std::string section = manual.substr(start, end - start);
  const std::regex entry(R"(\.TP\n\\fB([^\\ ]+))");
  for (auto it = std::sregex_iterator(section.begin(), section.end(), entry); it != std::sregex_iterator(); ++it)
    terms.insert((*it)[1]);
  return terms;
}

std::vector<std::string> commandsListed(const std::string& help) {
  std::vector<std::string> commands;
  std::istringstream lines(help.substr(help.find("Subcommands:")));
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line) && line.size() > 2) commands.push_back(line.substr(2, line.find(' ', 2) - 2));
  return commands;
}

class CommandLineHelp : public ::testing::Test {
 protected:
  testing::TempDir temp;
  std::string home = temp.path().string();
  testing::CliResult cli(const std::string& args) { return runCli(args, temp.path().string(), home); }
};

TEST_F(CommandLineHelp, HelpCommandPrintsWhatCommandHelpPrints) {
  const auto listing = cli("help");
  ASSERT_EQ(listing.exitCode, 0) << listing.err;
  EXPECT_EQ(listing.out, cli("--help").out);
  const std::vector<std::string> commands = commandsListed(listing.out);
  EXPECT_GE(commands.size(), 10u);
  for (const std::string& command : commands) {
    const auto viaHelp = cli("help " + command);
    EXPECT_EQ(viaHelp.exitCode, 0) << command;
    EXPECT_EQ(viaHelp.out, cli(command + " --help").out) << command;
  }
}

TEST_F(CommandLineHelp, EveryCommandAndOptionIsInTheManualPage) {
  const std::string manual = manualText("quillon-cli");
  const auto listing = cli("--help");
  EXPECT_EQ(manualTerms(manual, ".SH \"OPTIONS\""), helpTerms(listing.out));
  for (const std::string& command : commandsListed(listing.out))
    EXPECT_EQ(manualTerms(manual, ".SS \"quillon-cli " + command + " "), helpTerms(cli(command + " --help").out))
        << command;
}

TEST_F(CommandLineHelp, AnUnknownCommandIsNamedAndFails) {
  for (const char* args : {"help nosuch", "nosuch", "nosuch PAGE.htm"}) {
    const auto result = cli(args);
    EXPECT_EQ(result.exitCode, 2) << args;
    EXPECT_EQ(result.out, "") << args;
    EXPECT_EQ(result.err, "error: there is no command \"nosuch\"; quillon-cli help lists the commands\n") << args;
  }
}

TEST_F(CommandLineHelp, HelpThatCannotBeWrittenFails) {
  const auto result = runCli("--help", temp.path().string(), home, "", "/dev/full");
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.err.find("the output could not be written"), std::string::npos);
}

struct ProgramRun {
  int exitCode = -1;
  std::string out;
  std::string err;
};

const std::string kNoDisplay = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
const std::string kOffscreen = "env QT_QPA_PLATFORM=offscreen";

// The desktop program with no display at all, or with the environment given.
ProgramRun runDesktop(const std::string& args, const std::string& folder, const std::string& environment = kNoDisplay) {
  const std::string out = folder + "/gui.out";
  const std::string err = folder + "/gui.err";
  const std::string command = environment + " '" + std::string(QUILLON_GUI) + "' " + args + " >'" + out + "' 2>'" +
                              err + "' </dev/null";
  const int status = std::system(command.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readFile(out), readFile(err)};
}

TEST_F(CommandLineHelp, BothProgramsPrintTheSameVersionWithOrWithoutADisplay) {
  const std::string expected = "Quillon " QUILLON_VERSION "\n";
  EXPECT_EQ(cli("--version").out, expected);
  for (const std::string& environment : {kNoDisplay, kOffscreen}) {
    const auto version = runDesktop("--version", temp.path().string(), environment);
    EXPECT_EQ(version.exitCode, 0) << environment;
    EXPECT_EQ(version.out, expected) << environment;
  }
}

// A wrong command line is named, never a crash inside the window system.
TEST_F(CommandLineHelp, DesktopCommandLineFaultsAreNamed) {
  struct Case {
    std::string environment;
    std::string args;
    int exitCode;
    std::string message;
  } cases[] = {
      {kNoDisplay, "--bogus", 2, "quillon: Unknown option 'bogus'.\nTry 'quillon --help' for more information.\n"},
      {kOffscreen, "--bogus", 2, "quillon: Unknown option 'bogus'.\nTry 'quillon --help' for more information.\n"},
      {kNoDisplay, "--open page.htm --screenshot", 2, "quillon: Missing value after '--screenshot'.\n"},
      {kNoDisplay, "--open page.htm", 1, "quillon: there is no display to show the window on"},
  };
  for (const Case& c : cases) {
    const auto run = runDesktop(c.args, temp.path().string(), c.environment);
    EXPECT_EQ(run.exitCode, c.exitCode) << c.environment << " " << c.args;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << c.args << "\n" << run.err;
    EXPECT_EQ(run.out, "") << c.args;
  }
}

TEST_F(CommandLineHelp, DesktopHelpNeedsNoDisplayAndMatchesItsManualPage) {
  const auto help = runDesktop("--help", temp.path().string());
  EXPECT_EQ(help.exitCode, 0);
  const std::set<std::string> names = optionNamesIn(help.out);
  for (const char* name : {"--open", "--screenshot", "--version"}) EXPECT_EQ(names.count(name), 1u) << name;
  const std::string manual = manualText("quillon");
  for (const std::string& name : names) EXPECT_NE(manual.find(name), std::string::npos) << name;
}

// Text that roff would take for its own commands stays text.
TEST(RoffWriter, EscapesWhatRoffWouldRead) {
  struct Case {
    std::string text;
    std::string written;
  } cases[] = {
      {".starts with a dot", "\n\\&.starts with a dot\n"},
      {"'starts with a quote", "\n\\&'starts with a quote\n"},
      {"C:\\path", "\nC:\\epath\n"},
      {"--option", "\n\\-\\-option\n"},
  };
  for (const Case& c : cases) {
    std::ostringstream out;
    manual::writeRoff({"p", "s", "1", {}, {{"T", "", {{"term", "", c.text}}}}}, out);
    EXPECT_NE(out.str().find(c.written), std::string::npos) << c.text << "\n" << out.str();
  }
}

// groff reads the pages without a warning, and lexgrog finds each one's whatis line.
TEST(ManualPages, AreValidRoff) {
  if (std::system("command -v groff >/dev/null && command -v lexgrog >/dev/null") != 0)
    GTEST_SKIP() << "groff or lexgrog is not installed";
  testing::TempDir temp;
  for (const std::string name : {"quillon", "quillon-cli"}) {
    const std::string page = kManualDir + "/" + name + ".1";
    const std::string warnings = temp.file(name + ".warnings");
    EXPECT_EQ(std::system(("groff -man -Tutf8 -ww -z '" + page + "' 2>'" + warnings + "'").c_str()), 0) << name;
    EXPECT_EQ(readFile(warnings), "") << name;
    const std::string whatis = temp.file(name + ".whatis");
    EXPECT_EQ(std::system(("lexgrog '" + page + ".gz' >'" + whatis + "'").c_str()), 0) << name;
    EXPECT_NE(readFile(whatis).find(": \"" + name + " - "), std::string::npos) << readFile(whatis);
  }
}

}  // namespace
}  // namespace quillon
