#pragma once
// The manual page of quillon-cli, read off its commands and options so that it
// says what --help says.
#include <CLI/CLI.hpp>

#include "manual/manual_page.hpp"

namespace quillon::cli {

manual::ManualPage cliManualPage(const CLI::App& app);

}  // namespace quillon::cli
