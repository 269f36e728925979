#include "cli/read_command.hpp"

#include <iostream>
#include <memory>

#include "format/menu_json.hpp"
#include "format/page_reader.hpp"
#include "model/menu_model.hpp"

namespace quillon::cli {

namespace {

struct ResaveOptions {
  std::string page;
  std::string saveAs;
  bool preview = false;
  bool clipboard = false;
};

bool openPage(MenuModel& menu, const std::string& page, CliSession& session) {
  ReaderContext reader{session.ui()};
  reader.maxPageBytes = maxPageBytesSetting(session.commanderPorts().programSettings);
  return ReadPage(menu, absolutePagePath(page), reader);
}

int runRead(const std::string& page, const DialogAnswers& answers) {
  CliSession session(answers);
  MenuModel menu;
  if (!openPage(menu, page, session)) return kFailed;
  writeMenuJson(menu, std::cout);
  return kSuccess;
}

int runResave(const ResaveOptions& options, const DialogAnswers& answers) {
  CliSession session(answers);
  MenuModel menu;
  if (!openPage(menu, options.page, session)) return kFailed;
  const std::string target = options.saveAs.empty() ? menu.Document.PagePath : options.saveAs;
  return saveWithoutAsking(menu, session, target, options.preview, options.clipboard);
}

}  // namespace

void addReadCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto page = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("read", "Open an applet page and print its menu as JSON");
  command->add_option("PAGE", *page, "The applet page (.htm)")->required();
  command->callback([page, &run, &answers] { run.exitCode = runRead(*page, answers); });
}

void addResaveCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto options = std::make_shared<ResaveOptions>();
  CLI::App* command = app.add_subcommand("resave", "Open an applet page and save it again");
  command->add_option("PAGE", options->page, "The applet page (.htm)")->required();
  command->add_option("--as", options->saveAs, "Save to this page instead")->type_name("OTHER.htm");
  command->add_flag("--preview", options->preview, "Write the preview page ~preview.htm beside the page instead");
  command->add_flag("--clipboard", options->clipboard, "Print the page on stdout instead of writing it");
  command->callback([options, &run, &answers] { run.exitCode = runResave(*options, answers); });
}

}  // namespace quillon::cli
