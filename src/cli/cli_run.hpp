#pragma once
// What every quillon-cli subcommand shares: where it reports its exit code.
namespace quillon::cli {

enum ExitCode : int { kSuccess = 0, kFailed = 1, kBadInput = 2 };

struct CliRun {
  int exitCode = kSuccess;
};

}  // namespace quillon::cli
