#pragma once
#include <CLI/CLI.hpp>

#include "cli/cli_run.hpp"
#include "cli/cli_session.hpp"

namespace quillon::cli {

// quillon-cli new --kind tab|tree|tabtree [--theme NAME] PAGE.htm: a new menu, saved at PAGE.
void addNewCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

// quillon-cli preview PAGE.htm: writes the preview page and prints its address.
void addPreviewCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

}  // namespace quillon::cli
