#include "generators/deploy_options.hpp"

#include <charconv>
#include <optional>

#include "format/text_helpers.hpp"

namespace quillon {

namespace {

std::optional<long> readNumber(const std::string& text) {
  long value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

std::string plus(const std::string& size, long extra, const char* fallback) {
  const std::optional<long> value = readNumber(size);
  return value ? std::to_string(*value + extra) : fallback;
}

bool beside(FramePosition position) { return position == FramePosition::Left || position == FramePosition::Right; }

// A size that is not a number, or an applet size that is not, passes.
bool smallerThan(const std::string& size, const std::string& appletSize) {
  const std::optional<long> value = readNumber(size);
  const std::optional<long> applet = readNumber(appletSize);
  return value && applet && *value < *applet;
}

}  // namespace

DeployTab deployTab(int tag) { return tag == 1 ? DeployTab::Floating : DeployTab::Frames; }

DeployOptions deployOptionsFor(const MenuModel& menu, DeployTab tab) {
  DeployOptions options;
  options.tab = tab;
  return deployOptionsAgain(std::move(options), menu);
}

DeployOptions deployOptionsAgain(DeployOptions options, const MenuModel& menu) {
  const std::string page = extractFileName(menu.Document.PagePath);
  options.frames.appletPage = page;
  options.floating.appletPage = page;
  recomputeFrameSize(options, menu.Settings);
  recomputeFloatingSize(options, menu.Settings);
  return options;
}

std::string appletFrameSize(FramePosition position, const TAppletSettings& settings) {
  return beside(position) ? plus(settings.Width, 30, "250") : plus(settings.Height, 20, "100");
}

void recomputeFrameSize(DeployOptions& options, const TAppletSettings& settings) {
  options.frames.appletFrameSize = appletFrameSize(options.frames.position, settings);
  options.changed = true;
}

void recomputeFloatingSize(DeployOptions& options, const TAppletSettings& settings) {
  options.floating.width = plus(settings.Width, 30, "250");
  options.floating.height = plus(settings.Height, 50, "300");
  options.changed = true;
}

void choosePosition(DeployOptions& options, FramePosition position, const TAppletSettings& settings) {
  options.frames.position = position;
  recomputeFrameSize(options, settings);
}

void setFrameDefaults(DeployOptions& options, const TAppletSettings& settings) {
  recomputeFrameSize(options, settings);
  options.frames.mainFrameSize = "*";
}

std::string positionLabel(FramePosition position) {
  switch (position) {
    case FramePosition::Right: return "Right:";
    case FramePosition::Top: return "Top:";
    case FramePosition::Bottom: return "Bottom:";
    case FramePosition::Left: break;
  }
  return "Left:";
}

bool checkDeploySizes(DeployOptions& options, const TAppletSettings& settings, UserInterface& ui) {
  if (options.tab == DeployTab::Floating) {
    if (!smallerThan(options.floating.width, settings.Width) && !smallerThan(options.floating.height, settings.Height)) {
      return true;
    }
    ui.message(MessageKind::Warning, kSizeTooSmallMessage);
    recomputeFloatingSize(options, settings);
    return false;
  }
  const std::string& appletSize = beside(options.frames.position) ? settings.Width : settings.Height;
  if (!smallerThan(options.frames.appletFrameSize, appletSize)) return true;
  ui.message(MessageKind::Warning, kSizeTooSmallMessage);
  recomputeFrameSize(options, settings);
  return false;
}

bool checkFrameNames(DeployOptions& options, UserInterface& ui) {
  bool passed = true;
  for (auto [name, fallback] : {std::pair{&options.frames.appletFrameName, "index"},
                                std::pair{&options.frames.mainFrameName, "main"}}) {
    if (!name->empty()) continue;
    ui.message(MessageKind::Warning, kBlankNameMessage);
    *name = fallback;
    passed = false;
  }
  return passed;
}

std::string deployHelpPage(DeployTab tab) {
  return tab == DeployTab::Floating ? "files/OrvelDeployFloating.htm" : "files/OrvelDeployFrames.htm";
}

}  // namespace quillon
