#pragma once
#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <vector>

#include "cli/cli_run.hpp"
#include "cli/cli_session.hpp"
#include "model/menu_model.hpp"

namespace quillon::cli {

// quillon-cli generate dropdown|treeview|sitemap|xml-sitemap PAGE.htm [--set OPTION=VALUE ...] [--preview]
void addGenerateCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers);

// One --set option: its name and what a value does; apply throws
// std::invalid_argument for a value it cannot take.
struct NamedSetting {
  std::string name;
  std::function<void(const std::string& value)> apply;
};
using NamedSettings = std::vector<NamedSetting>;

// yes/no, true/false, on/off, 1/0 in any letter case.
bool readSwitch(const std::string& value);

// Applies "NAME=VALUE" assignments in order; throws std::invalid_argument
// naming an assignment without "=", an unknown name or a value refused.
void applySettings(const NamedSettings& settings, const std::vector<std::string>& assignments);

// Opens the applet page PAGE into the menu, as Open does.
bool openMenuPage(MenuModel& menu, const std::string& page, CliSession& session);

}  // namespace quillon::cli
