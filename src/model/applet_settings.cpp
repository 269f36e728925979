#include "model/applet_settings.hpp"

#include <algorithm>

namespace quillon {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

struct SizeRule {
  const char* fallback;
  int limit;
};

SizeRule ruleFor(SizeBox box) { return box == SizeBox::Width ? SizeRule{"200", 1000} : SizeRule{"320", 800}; }

// Compares digit texts by value without converting, so no length can overflow.
bool exceeds(const std::string& digits, int limit) {
  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return false;
  const std::string significant = digits.substr(first);
  const std::string bound = std::to_string(limit);
  if (significant.size() != bound.size()) return significant.size() > bound.size();
  return significant > bound;
}

void applySizeRule(SizeBox box, std::string& text) {
  text = sizeOnLeave(box, text).value_or(ruleFor(box).fallback);
}

}  // namespace

std::optional<std::string> sizeOnLeave(SizeBox box, const std::string& text) {
  const SizeRule rule = ruleFor(box);
  if (text.empty()) return rule.fallback;
  if (!std::all_of(text.begin(), text.end(), isDigit)) return std::nullopt;
  return exceeds(text, rule.limit) ? std::to_string(rule.limit) : text;
}

void applySizeRules(TAppletSettings& settings) {
  applySizeRule(SizeBox::Width, settings.Width);
  applySizeRule(SizeBox::Height, settings.Height);
}

void TAppletSettings::ResetGeneral() {
  const TAppletSettings defaults;
  Width = defaults.Width;
  Height = defaults.Height;
  ContentInFile = defaults.ContentInFile;
  ProxyEnhanced = defaults.ProxyEnhanced;
  ClickSound.clear();
  ClickSoundName.clear();
  OverSound.clear();
  OverSoundName.clear();
}

void TAppletSettings::ResetTabStyle() {
  const TAppletSettings defaults;
  TabOnBottom = defaults.TabOnBottom;
  TabBackImage.clear();
  TabBackColor = defaults.TabBackColor;
  TabTextColor = defaults.TabTextColor;
  TabMouseOverColor = defaults.TabMouseOverColor;
  ShowTabsOnly = defaults.ShowTabsOnly;
}

void TAppletSettings::ResetTreeStyle() {
  const TAppletSettings defaults;
  DoubleClickExpand = defaults.DoubleClickExpand;
  ShowTooltip = defaults.ShowTooltip;
  StartExpanded = defaults.StartExpanded;
  ShowBorder = defaults.ShowBorder;
  TreeBackImage.clear();
  DefFolderClosed = DefFolderOpen = DefLeaf = -1;
  ToggleSymbol = defaults.ToggleSymbol;
  LeafSymbol = defaults.LeafSymbol;
  LineStyle = defaults.LineStyle;
  UseIcons = defaults.UseIcons;
  MouseOverFrame = defaults.MouseOverFrame;
  TreeBackColor = defaults.TreeBackColor;
  TreeTextColor = defaults.TreeTextColor;
  TreeSelBackColor = defaults.TreeSelBackColor;
  TreeSelTextColor = defaults.TreeSelTextColor;
  TooltipBackColor = defaults.TooltipBackColor;
  TooltipTextColor = defaults.TooltipTextColor;
  MouseOverColor = defaults.MouseOverColor;
  LineColor = defaults.LineColor;
  LeafColor = defaults.LeafColor;
  FolderClosedColor = defaults.FolderClosedColor;
  FolderOpenColor = defaults.FolderOpenColor;
  MouseOverFrameColor = defaults.MouseOverFrameColor;
}

void TAppletSettings::ResetLocations() {
  Codebase.clear();
  ImageDir.clear();
}

}  // namespace quillon
