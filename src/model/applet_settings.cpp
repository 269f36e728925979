#include "model/applet_settings.hpp"

namespace quillon {

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
