#include "cli/menu_commands.hpp"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <map>
#include <memory>

#include "app/commander.hpp"
#include "app/new_applet_wizard.hpp"
#include "app/program_folder.hpp"

namespace quillon::cli {

namespace {

struct NewOptions {
  std::string kind;
  std::string theme;
  std::string page;
};

// The wizard's answer for a kind and a theme named on the command line, chosen
// as a user would pick it from the list; nothing when the kind has no such theme.
std::optional<NewMenuChoice> wizardChoice(TAppletKind kind, const std::string& theme, UserInterface& ui) {
  NewAppletWizard wizard(programFolder(), ui);
  wizard.shown();
  wizard.optionClicked(kind);
  const std::vector<std::string>& entries = wizard.entries();
  const std::string wanted = theme.empty() ? kNormalThemeEntry : theme;
  const auto found = std::find(entries.begin(), entries.end(), wanted);
  if (found == entries.end()) {
    std::cerr << "error: no theme \"" << theme << "\" in " << themeFolder(programFolder(), kind) << "; themes:";
    for (std::size_t i = 1; i < entries.size(); ++i) std::cerr << ' ' << entries[i];
    std::cerr << '\n';
    return std::nullopt;
  }
  wizard.entryClicked(static_cast<int>(found - entries.begin()));
  wizard.accept();
  return NewMenuChoice{wizard.result()->kind, wizard.result()->themePage};
}

int runNew(const NewOptions& options, const DialogAnswers& answers) {
  static const std::map<std::string, TAppletKind> kinds = {{"tab", akTab}, {"tree", akTree}, {"tabtree", akTabTree}};
  const std::string page = absolutePagePath(options.page);
  std::error_code error;
  if (std::filesystem::exists(page, error) && !answers.yes) {
    std::cerr << "error: " << page << " exists; give --yes to replace it\n";
    return kFailed;
  }
  CliSession session(answers);
  session.windows().newMenuChoice = wizardChoice(kinds.at(options.kind), options.theme, session.ui());
  if (!session.windows().newMenuChoice) return kBadInput;
  session.ui().answerNextDialog(page);
  Commander commander(session.commanderPorts());
  commander.newMenu();
  return commander.state().menuOpen && !session.ui().errorShown() ? kSuccess : kFailed;
}

int runPreview(const std::string& page, const DialogAnswers& answers) {
  CliSession session(answers);
  Commander commander(session.commanderPorts());
  if (!commander.openPage(absolutePagePath(page))) return kFailed;
  commander.preview();
  return session.ui().errorShown() ? kFailed : kSuccess;
}

}  // namespace

void addNewCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto options = std::make_shared<NewOptions>();
  CLI::App* command = app.add_subcommand("new", "Make a new menu and save it as its applet page");
  command->add_option("--kind", options->kind, "The applet: tab, tree or tabtree")
      ->required()
      ->check(CLI::IsMember({"tab", "tree", "tabtree"}));
  command->add_option("--theme", options->theme,
                      "A theme of the kind: the name of a folder below themes/tab, themes/tree or themes/tabtree");
  command->add_option("PAGE", options->page, "Where to save the page (.htm)")->required();
  command->callback([options, &run, &answers] { run.exitCode = runNew(*options, answers); });
}

void addPreviewCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto page = std::make_shared<std::string>();
  CLI::App* command = app.add_subcommand("preview", "Write the preview page of an applet page and print its address");
  command->add_option("PAGE", *page, "The applet page (.htm)")->required();
  command->callback([page, &run, &answers] { run.exitCode = runPreview(*page, answers); });
}

}  // namespace quillon::cli
