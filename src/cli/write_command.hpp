#pragma once
#include <CLI/CLI.hpp>

#include "cli/cli_run.hpp"
#include "cli/cli_session.hpp"

namespace quillon::cli {

// quillon-cli write MENU.json PAGE.htm [--preview] [--clipboard]
void addWriteCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

}  // namespace quillon::cli
