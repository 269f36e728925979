#pragma once
// What the subcommands share: the dialog answers given on the command line,
// the settings stores, the recent files and the writer's surroundings.
#include <CLI/CLI.hpp>

#include <memory>
#include <string>
#include <vector>

#include "app/commander.hpp"
#include "app/ini_settings_store.hpp"
#include "app/recent_files.hpp"
#include "cli/cli_user_interface.hpp"
#include "cli/cli_windows.hpp"
#include "format/page_writer.hpp"
#include "ports/clipboard.hpp"

namespace quillon::cli {

struct DialogAnswers {
  bool yes = false;
  std::vector<std::string> picks;
};

// --yes and --pick, accepted before or after the subcommand.
void addDialogOptions(CLI::App& app, DialogAnswers& answers);

// The page text of --clipboard goes to stdout.
class StdoutClipboard : public Clipboard {
 public:
  void setText(const std::string& text) override;
};

class CliSession {
 public:
  explicit CliSession(const DialogAnswers& answers);

  CliUserInterface& ui() { return ui_; }
  CliWindows& windows() { return windows_; }
  WriterContext& writerContext() { return writer_; }
  // The surroundings of a Commander that works on the command line.
  CommanderPorts commanderPorts();

 private:
  CliUserInterface ui_;
  StdoutClipboard clipboard_;
  PrintingBrowser browser_;
  CliWindows windows_;
  SettingsWriteNotice settingsNotice_;
  IniSettingsStore programSettings_;
  IniSettingsStore userSettings_;
  RecentFiles recentFiles_;
  WriterContext writer_;
};

// Saves the menu at the page path without asking, as the preview page with
// preview, or onto stdout with clipboard; the exit code of the command.
int saveWithoutAsking(MenuModel& menu, CliSession& session, const std::string& pagePath, bool preview, bool clipboard);

// A page path as given on the command line, made absolute against the current folder.
std::string absolutePagePath(const std::string& path);

}  // namespace quillon::cli
