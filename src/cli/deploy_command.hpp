#pragma once
#include <CLI/CLI.hpp>

#include "cli/cli_run.hpp"
#include "cli/cli_session.hpp"

namespace quillon::cli {

// quillon-cli deploy frames|floating PAGE.htm [--set OPTION=VALUE ...] [--preview]
void addDeployCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

}  // namespace quillon::cli
