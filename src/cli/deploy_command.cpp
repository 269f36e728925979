#include "cli/deploy_command.hpp"

#include <iostream>
#include <memory>
#include <stdexcept>

#include "app/program_folder.hpp"
#include "cli/generate_command.hpp"
#include "format/text_helpers.hpp"
#include "generators/deploy_pages.hpp"

namespace quillon::cli {

namespace {

struct DeployCommandOptions {
  std::string kind;
  std::string page;
  std::vector<std::string> assignments;
  bool preview = false;
};

NamedSetting text(const std::string& name, std::string& field) {
  return {name, [&field](const std::string& value) { field = value; }};
}

FramePosition readPosition(const std::string& value) {
  if (equalsNoCase(value, "left")) return FramePosition::Left;
  if (equalsNoCase(value, "right")) return FramePosition::Right;
  if (equalsNoCase(value, "top")) return FramePosition::Top;
  if (equalsNoCase(value, "bottom")) return FramePosition::Bottom;
  throw std::invalid_argument("left, right, top or bottom");
}

NamedSettings framesSettings(DeployOptions& options, const TAppletSettings& applet) {
  FramesOptions& f = options.frames;
  return {{"position", [&options, &applet](const std::string& value) {
             choosePosition(options, readPosition(value), applet);
           }},
          text("applet-size", f.appletFrameSize),
          text("main-size", f.mainFrameSize),
          text("applet-name", f.appletFrameName),
          text("main-name", f.mainFrameName),
          {"frame-lines", [&f](const std::string& value) { f.showFrameLines = readSwitch(value); }},
          text("output", f.startPage),
          text("main-page", f.mainPage)};
}

NamedSettings floatingSettings(FloatingOptions& f) {
  return {text("output", f.startPage), text("width", f.width), text("height", f.height)};
}

// The position decides the applet frame's default size, so it goes first.
std::vector<std::string> positionFirst(const std::vector<std::string>& assignments) {
  std::vector<std::string> ordered;
  for (const auto& a : assignments) {
    if (a.rfind("position=", 0) == 0) ordered.push_back(a);
  }
  for (const auto& a : assignments) {
    if (a.rfind("position=", 0) != 0) ordered.push_back(a);
  }
  return ordered;
}

int runDeploy(const DeployCommandOptions& o, const DialogAnswers& answers) {
  CliSession session(answers);
  MenuModel menu;
  if (!openMenuPage(menu, o.page, session)) return kFailed;
  const DeployTab tab = o.kind == "floating" ? DeployTab::Floating : DeployTab::Frames;
  DeployOptions options = deployOptionsFor(menu, tab);
  try {
    const NamedSettings settings =
        tab == DeployTab::Floating ? floatingSettings(options.floating) : framesSettings(options, menu.Settings);
    applySettings(settings, positionFirst(o.assignments));
  } catch (const std::invalid_argument& error) {
    std::cerr << "error: deploy " << o.kind << ": " << error.what() << " (see docs/cli.md)\n";
    return kBadInput;
  }
  // As leaving the edits does: refused values get their defaults back, with the window's messages.
  if (tab == DeployTab::Frames) checkFrameNames(options, session.ui());
  checkDeploySizes(options, menu.Settings, session.ui());

  DeployContext context{menu, session.ui(), programFolder()};
  PrintingBrowser browser(std::cout);
  const GenerationResult result =
      o.preview ? previewDeployPage(options, context, browser) : saveDeployPage(options, context);
  return result.written() ? kSuccess : kFailed;
}

}  // namespace

void addDeployCommand(CLI::App& app, CliRun& run, const DialogAnswers& answers) {
  auto options = std::make_shared<DeployCommandOptions>();
  CLI::App* command =
      app.add_subcommand("deploy", "Write a start page around a menu page: a frameset or a floating window");
  command->add_option("KIND", options->kind, "frames or floating")
      ->required()
      ->check(CLI::IsMember({"frames", "floating"}));
  command->add_option("PAGE", options->page, "The applet page (.htm); the start page is written beside it")
      ->required();
  command->add_option("--set", options->assignments, "Set an option of the start page (repeatable; see docs/cli.md)")
      ->type_name("OPTION=VALUE");
  command->add_flag("--preview", options->preview, "Write the ~ preview page instead and print its address");
  command->callback([options, &run, &answers] { run.exitCode = runDeploy(*options, answers); });
}

}  // namespace quillon::cli
