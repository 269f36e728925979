#pragma once
#include <CLI/CLI.hpp>

#include "cli/cli_run.hpp"
#include "cli/cli_session.hpp"

namespace quillon::cli {

// quillon-cli read PAGE.htm: the page's menu as JSON on stdout.
void addReadCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

// quillon-cli resave PAGE.htm [--as OTHER.htm] [--preview] [--clipboard]
void addResaveCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

}  // namespace quillon::cli
