#include "cli_runner.hpp"

#include <sys/wait.h>

#include <cstdlib>

#include "temp_dir.hpp"

namespace quillon::testing {

CliResult runCli(const std::string& args, const std::string& cwd, const std::string& home,
                 const std::string& launcher, const std::string& stdoutFile) {
  const std::string out = stdoutFile.empty() ? home + "/cli.out" : stdoutFile;
  const std::string err = home + "/cli.err";
  const std::string command = "cd '" + cwd + "' && QUILLON_HOME='" + home + "/program' QUILLON_CONFIG_DIR='" + home +
                              "/config' " + launcher + " '" + QUILLON_CLI + "' " + args + " >'" + out + "' 2>'" + err + "' </dev/null";
  const int status = std::system(command.c_str());
  CliResult result;
  result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  if (stdoutFile.empty()) result.out = readFile(out);
  result.err = readFile(err);
  return result;
}

}  // namespace quillon::testing
