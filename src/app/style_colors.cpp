#include "app/style_colors.hpp"

#include <array>

namespace quillon {

namespace {

constexpr std::array kTabMenu{
    ColorMenuEntry{ColorSetting::TabTextColor, "Tab - Text color", false},
    ColorMenuEntry{ColorSetting::TabBackColor, "Tab - Background color", false},
    ColorMenuEntry{ColorSetting::TabMouseOverColor, "Tab - Mouse-over color", false},
};

constexpr std::array kTreeMenu{
    ColorMenuEntry{ColorSetting::TreeTextColor, "Tree branch - Text color", false},
    ColorMenuEntry{ColorSetting::TreeBackColor, "Tree branch - Background color", true},
    ColorMenuEntry{ColorSetting::TreeSelTextColor, "Selected branch - Text color", false},
    ColorMenuEntry{ColorSetting::TreeSelBackColor, "Selected branch - Background color", true},
    ColorMenuEntry{ColorSetting::MouseOverColor, "Mouse-over - color", true},
    ColorMenuEntry{ColorSetting::TooltipTextColor, "Tooltip - Text color", false},
    ColorMenuEntry{ColorSetting::TooltipBackColor, "Tooltip - Background color", true},
    ColorMenuEntry{ColorSetting::FolderOpenColor, "Toggle symbol - Open color", false},
    ColorMenuEntry{ColorSetting::FolderClosedColor, "Toggle symbol - Closed color", true},
    ColorMenuEntry{ColorSetting::LeafColor, "Leaf - color", false},
    ColorMenuEntry{ColorSetting::LineColor, "Line - color", false},
    ColorMenuEntry{ColorSetting::MouseOverFrameColor, "Mouse-over - Frame or Line color", false},
};

// One switch serves the changing and the reading overload.
template <typename Settings>
auto& colorField(Settings& settings, ColorSetting setting) {
  switch (setting) {
    case ColorSetting::TabTextColor: return settings.TabTextColor;
    case ColorSetting::TabBackColor: return settings.TabBackColor;
    case ColorSetting::TabMouseOverColor: return settings.TabMouseOverColor;
    case ColorSetting::TreeTextColor: return settings.TreeTextColor;
    case ColorSetting::TreeBackColor: return settings.TreeBackColor;
    case ColorSetting::TreeSelTextColor: return settings.TreeSelTextColor;
    case ColorSetting::TreeSelBackColor: return settings.TreeSelBackColor;
    case ColorSetting::MouseOverColor: return settings.MouseOverColor;
    case ColorSetting::TooltipTextColor: return settings.TooltipTextColor;
    case ColorSetting::TooltipBackColor: return settings.TooltipBackColor;
    case ColorSetting::FolderOpenColor: return settings.FolderOpenColor;
    case ColorSetting::FolderClosedColor: return settings.FolderClosedColor;
    case ColorSetting::LeafColor: return settings.LeafColor;
    case ColorSetting::LineColor: return settings.LineColor;
    case ColorSetting::MouseOverFrameColor: return settings.MouseOverFrameColor;
  }
  return settings.TreeTextColor;  // unreachable: every member is listed above
}

}  // namespace

std::span<const ColorMenuEntry> tabColorMenu() { return kTabMenu; }
std::span<const ColorMenuEntry> treeColorMenu() { return kTreeMenu; }

Color& colorOf(TAppletSettings& settings, ColorSetting setting) { return colorField(settings, setting); }
Color colorOf(const TAppletSettings& settings, ColorSetting setting) { return colorField(settings, setting); }

SampleColors sampleColors(const TAppletSettings& s, ColorSample sample) {
  switch (sample) {
    case ColorSample::TabCaption: return {s.TabTextColor, s.TabBackColor};
    case ColorSample::TabMouseOver: return {s.TabMouseOverColor, s.TabBackColor};
    case ColorSample::TreeBranch: return {s.TreeTextColor, s.TreeBackColor};
    case ColorSample::SelectedBranch: return {s.TreeSelTextColor, s.TreeSelBackColor};
    case ColorSample::MouseOver: return {s.MouseOverColor, s.TreeBackColor};
    case ColorSample::Tooltip: return {s.TooltipTextColor, s.TooltipBackColor};
    case ColorSample::OpenSymbol: return {s.FolderOpenColor, s.TreeBackColor};
    case ColorSample::ClosedSymbol: return {s.FolderClosedColor, s.TreeBackColor};
    case ColorSample::Leaf: return {s.LeafColor, s.TreeBackColor};
    case ColorSample::Line: return {s.LineColor, s.TreeBackColor};
    case ColorSample::FrameLine: return {s.MouseOverFrameColor, s.TreeBackColor};
  }
  return {s.TreeTextColor, s.TreeBackColor};  // unreachable: every member is listed above
}

bool chooseStyleColor(TAppletSettings& settings, ColorSetting setting, UserInterface& ui) {
  Color& color = colorOf(settings, setting);
  const std::optional<std::uint32_t> chosen = ui.chooseColor(color);
  if (!chosen) return false;
  color = *chosen;
  return true;
}

}  // namespace quillon
