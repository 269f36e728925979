#pragma once
// The colour settings of the style pages: the two colour menus, the samples
// that show the colours, and choosing a colour through the colour dialog.
#include <span>

#include "model/applet_settings.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

enum class ColorSetting {
  TabTextColor,
  TabBackColor,
  TabMouseOverColor,
  TreeTextColor,
  TreeBackColor,
  TreeSelTextColor,
  TreeSelBackColor,
  MouseOverColor,
  TooltipTextColor,
  TooltipBackColor,
  FolderOpenColor,
  FolderClosedColor,
  LeafColor,
  LineColor,
  MouseOverFrameColor,
};

struct ColorMenuEntry {
  ColorSetting setting;
  const char* caption;
  bool separatorAfter;
};

// The entries of the "Set Color" menus, in menu order.
std::span<const ColorMenuEntry> tabColorMenu();
std::span<const ColorMenuEntry> treeColorMenu();

Color& colorOf(TAppletSettings& settings, ColorSetting setting);
Color colorOf(const TAppletSettings& settings, ColorSetting setting);

// The samples that show the colours to the user.
enum class ColorSample {
  TabCaption,
  TabMouseOver,
  TreeBranch,
  SelectedBranch,
  MouseOver,
  Tooltip,
  OpenSymbol,
  ClosedSymbol,
  Leaf,
  Line,
  FrameLine,
};

struct SampleColors {
  Color text;
  Color background;
  bool operator==(const SampleColors&) const = default;
};

// What a sample shows: the tab mouse-over sample takes the tab background,
// and every tree sample but the selected branch and the tooltip takes the
// tree background.
SampleColors sampleColors(const TAppletSettings& settings, ColorSample sample);

// Shows the colour dialog preset with the setting's colour; OK sets it, Cancel
// keeps it. Returns whether the setting was set.
bool chooseStyleColor(TAppletSettings& settings, ColorSetting setting, UserInterface& ui);

}  // namespace quillon
