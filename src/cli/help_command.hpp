#pragma once
// quillon-cli help [COMMAND]: the help of one command, or the list of commands.
#include <CLI/CLI.hpp>

#include "cli/cli_run.hpp"

namespace quillon::cli {

void addHelpCommand(CLI::App& app, CliRun& run);

// When the arguments failed because their first word names no command, says so
// (CLI11 would only say that a command is missing) and returns true.
bool reportedUnknownCommand(const CLI::App& app);

}  // namespace quillon::cli
