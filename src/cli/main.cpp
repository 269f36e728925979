#include <CLI/CLI.hpp>

#include <iostream>

#include "cli/checked_stdout.hpp"
#include "cli/cli_manual.hpp"
#include "cli/cli_run.hpp"
#include "cli/cli_session.hpp"
#include "cli/deploy_command.hpp"
#include "cli/fetch_command.hpp"
#include "cli/index_command.hpp"
#include "cli/generate_command.hpp"
#include "cli/help_command.hpp"
#include "cli/menu_commands.hpp"
#include "cli/read_command.hpp"
#include "cli/write_command.hpp"

int main(int argc, char** argv) {
  using namespace quillon::cli;
  CLI::App app{"Quillon - builds site-navigation menu pages from the command line", "quillon-cli"};
  app.set_version_flag("--version", std::string("Quillon ") + QUILLON_VERSION);
  app.require_subcommand(1);
  // Hidden (no group): the build writes the manual page with it.
  app.add_flag_callback(
         "--manual-page",
         [&app] {
           quillon::manual::writeRoff(cliManualPage(app), std::cout);
           throw CLI::Success();
         },
         "Print the manual page in roff")
      ->group("");

  CheckedStdout output;
  CliRun run;
  DialogAnswers answers;
  addDialogOptions(app, answers);
  addWriteCommand(app, run, answers);
  addReadCommand(app, run, answers);
  addResaveCommand(app, run, answers);
  addNewCommand(app, run, answers);
  addPreviewCommand(app, run, answers);
  addFetchCommand(app, run);
  addIndexCommand(app, run, answers);
  addGenerateCommand(app, run, answers);
  addDeployCommand(app, run, answers);
  addHelpCommand(app, run);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& error) {
    run.exitCode = reportedUnknownCommand(app) || app.exit(error) != 0 ? kBadInput : kSuccess;
  }
  // Output that could not be written (a full disk, a closed pipe) fails the command.
  if (const std::string cause = output.finish(); !cause.empty()) {
    std::cerr << "error: the output could not be written: " << cause << '\n';
    return run.exitCode == kSuccess ? kFailed : run.exitCode;
  }
  return run.exitCode;
}
