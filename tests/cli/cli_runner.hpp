#pragma once
// Runs quillon-cli as a user would, with its own program and settings folders.
#include <string>

namespace quillon::testing {

struct CliResult {
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Runs "quillon-cli ARGS" in the folder cwd; QUILLON_HOME and QUILLON_CONFIG_DIR
// point below home. A launcher ("setpriv ...") runs it in turn. The standard
// output goes into out, or into the file named by stdoutFile.
CliResult runCli(const std::string& args, const std::string& cwd, const std::string& home,
                 const std::string& launcher = "", const std::string& stdoutFile = "");

}  // namespace quillon::testing
