#include "cli/cli_session.hpp"

#include <filesystem>
#include <iostream>

#include "app/program_folder.hpp"
#include "cli/cli_run.hpp"

namespace quillon::cli {

void addDialogOptions(CLI::App& app, DialogAnswers& answers) {
  app.add_flag("--yes", answers.yes, "Answer Yes (or OK) to every question");
  app.add_option("--pick", answers.picks, "Answer the next file dialog with PATH (repeatable, in order)")
      ->type_name("PATH");
  app.fallthrough();
}

void StdoutClipboard::setText(const std::string& text) { std::cout << text << std::flush; }

CliSession::CliSession(const DialogAnswers& answers)
    : ui_(std::cerr, answers.yes, std::deque<std::string>(answers.picks.begin(), answers.picks.end())),
      browser_(std::cout),
      windows_(std::cout),
      settingsNotice_(ui_),
      programSettings_(
          IniSettingsStore::takingOver(programSettingsPath(), formerProgramSettingsPath(), &settingsNotice_)),
      userSettings_(userSettingsPath(), &settingsNotice_),
      recentFiles_(userSettings_),
      writer_{ui_, clipboard_, programSettings_, programFolder(), {}, {}} {
  writer_.addRecentFile = [this](const std::string& path) { recentFiles_.addRecentFile(path); };
}

CommanderPorts CliSession::commanderPorts() {
  // The command line names every page itself: no folder is made to offer one in.
  return {ui_, clipboard_, browser_, windows_, programSettings_, userSettings_, writer_.programFolder, userCacheFolder(),
          ""};
}

int saveWithoutAsking(MenuModel& menu, CliSession& session, const std::string& pagePath, bool preview, bool clipboard) {
  DocumentState& document = menu.Document;
  document.PagePath = absolutePagePath(pagePath);
  document.AskSaveLocation = false;
  document.PreviewMode = preview || clipboard;
  document.ClipboardMode = clipboard;
  WriteResult result;
  SavePage(menu, session.writerContext(), false, &result);
  return result.ok() ? kSuccess : kFailed;
}

std::string absolutePagePath(const std::string& path) {
  return std::filesystem::absolute(std::filesystem::path(path)).lexically_normal().string();
}

}  // namespace quillon::cli
