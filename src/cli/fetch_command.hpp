#pragma once
#include <CLI/CLI.hpp>

#include "cli/cli_run.hpp"

namespace quillon::cli {

// quillon-cli fetch URL [--proxy HOST[:PORT]] [--out FILE] [--timeout SECONDS]
// [--max-size BYTES]: one GET exactly as the site indexer makes it. The response header goes to stderr, the document
// to stdout or FILE.
void addFetchCommand(CLI::App& app, CliRun& run);

}  // namespace quillon::cli
