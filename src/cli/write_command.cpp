#include "cli/write_command.hpp"

#include <fstream>
#include <iostream>
#include <memory>

#include "format/menu_json.hpp"
#include "model/menu_model.hpp"

namespace quillon::cli {

namespace {

struct WriteOptions {
  std::string menuFile;
  std::string pageFile;
  bool preview = false;
  bool clipboard = false;
};

int runWrite(const WriteOptions& options, const DialogAnswers& answers) {
  MenuModel menu;
  try {
    // Read as it streams in: the JSON of a large menu is several times its page.
    std::ifstream in(options.menuFile, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + options.menuFile);
    try {
      menuFromJson(in, menu);
    } catch (const MenuJsonError&) {
      if (in.bad()) throw std::runtime_error("cannot read " + options.menuFile);  // not the text's fault
      throw;
    }
  } catch (const std::exception& error) {
    std::cerr << "error: " << options.menuFile << ": " << error.what() << '\n';
    return kBadInput;
  }
  CliSession session(answers);
  return saveWithoutAsking(menu, session, options.pageFile, options.preview, options.clipboard);
}

}  // namespace

void addWriteCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto options = std::make_shared<WriteOptions>();
  CLI::App* command = app.add_subcommand("write", "Write a menu described in JSON as its applet page");
  command->add_option("MENU", options->menuFile, "The menu as JSON (see docs/menu-json.md)")->required();
  command->add_option("PAGE", options->pageFile, "The page to write (.htm)")->required();
  command->add_flag("--preview", options->preview, "Write the preview page ~preview.htm beside PAGE instead");
  command->add_flag("--clipboard", options->clipboard, "Print the page on stdout instead of writing it");
  command->callback([options, &run, &answers] { run.exitCode = runWrite(*options, answers); });
}

}  // namespace quillon::cli
