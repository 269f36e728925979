#pragma once
// The start pages around the menu page: a frameset (resource/start.htm) with
// the menu in one frame and a main page in the other, or a page
// (resource/floating.htm) that opens the menu in a window of its own.
#include <string>

#include "generators/deploy_options.hpp"
#include "generators/generation.hpp"
#include "ports/browser.hpp"

namespace quillon {

struct DeployContext {
  MenuModel& menu;  // records the start pages written
  UserInterface& ui;
  std::string programFolder;  // with a trailing "/", holding resource/
};

// "<frameset " + frame-line attributes + "cols" or "rows" + the two sizes.
std::string deployFramesetLine(const FramesOptions& options);
// "varWinOrvel = window.open(...)" for the floating window.
std::string floatingOpenLine(const FloatingOptions& options);

GenerationResult generateStartMain(DeployOptions& options, DeployContext& context, bool preview);
GenerationResult generateFloating(DeployOptions& options, DeployContext& context, bool preview);

// Save and Preview of the deploy window, for the visible tab.
GenerationResult saveDeployPage(DeployOptions& options, DeployContext& context);
GenerationResult previewDeployPage(DeployOptions& options, DeployContext& context, Browser& browser);

// Closing the window: with changed sizes, "Do you want to save"; Yes saves.
void closeDeploy(DeployOptions& options, DeployContext& context);

}  // namespace quillon
