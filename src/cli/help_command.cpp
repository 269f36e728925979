#include "cli/help_command.hpp"

#include <iostream>
#include <memory>

namespace quillon::cli {

namespace {

const CLI::App* commandNamed(const CLI::App& app, const std::string& name) {
  for (const CLI::App* command : app.get_subcommands(std::function<bool(const CLI::App*)>{}))
    if (command->get_name() == name) return command;
  return nullptr;
}

void reportNoCommand(const std::string& name) {
  std::cerr << "error: there is no command \"" << name << "\"; quillon-cli help lists the commands\n";
}

}  // namespace

bool reportedUnknownCommand(const CLI::App& app) {
  if (!app.get_subcommands().empty()) return false;
  const std::vector<std::string> rest = app.remaining();
  if (rest.empty() || rest.front().rfind('-', 0) == 0) return false;
  reportNoCommand(rest.front());
  return true;
}

void addHelpCommand(CLI::App& app, CliRun& run) {
  auto name = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("help", "Print the help of a command, or list the commands");
  command->add_option("COMMAND", *name, "The command whose help to print");
  command->callback([&app, &run, name] {
    if (name->empty()) {
      // app.help() would describe the selected command, which is this one.
      std::cout << app.get_formatter()->make_help(&app, app.get_name(), CLI::AppFormatMode::Normal);
      return;
    }
    const CLI::App* wanted = commandNamed(app, *name);
    if (wanted == nullptr) {
      reportNoCommand(*name);
      run.exitCode = kBadInput;
      return;
    }
    std::cout << wanted->help(app.get_name());
  });
}

}  // namespace quillon::cli
