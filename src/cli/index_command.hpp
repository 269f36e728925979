#pragma once
#include <CLI/CLI.hpp>

#include "cli/cli_run.hpp"
#include "cli/cli_session.hpp"

namespace quillon::cli {

// quillon-cli index url|site|files|sitemap START... PAGE.htm [--set OPTION=VALUE ...]
// [--max-pages N] [--max-depth N] [--max-url-length N] [--max-query-repeats N]
// [--max-minutes N] [--page-seconds N] [--robots yes|no] [--pages-by-type
// yes|no] [--include PATTERN ...] [--exclude PATTERN ...] [--urls FILE]: the site indexer into the
// first tree of the page, which is then saved. The log goes to stderr and to
// SiteIndexer.log beside the page.
void addIndexCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

}  // namespace quillon::cli
