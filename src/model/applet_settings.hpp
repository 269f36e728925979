#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "model/applet_kind.hpp"

namespace quillon {

// Colours are 0x00BBGGRR: red in the low byte.
using Color = std::uint32_t;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kBlack = 0x000000;
constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;
constexpr Color kYellow = 0x00FFFF;

enum class TMouseOverFrame { None, Rect, Line };

struct TAppletSettings {
  TAppletKind Kind = akTabTree;
  std::string Width = "220";
  std::string Height = "320";
  // Folders relative to the page, with "/" separators; empty is the page's own folder.
  std::string Codebase;
  std::string ImageDir;  // empty: same as Codebase
  bool ProxyEnhanced = false;
  bool ContentInFile = false;
  std::string ClickSound;  // full path
  std::string ClickSoundName;
  std::string OverSound;  // full path
  std::string OverSoundName;

  bool TabOnBottom = false;
  bool ShowTabsOnly = false;
  std::int32_t DefaultTab = -1;
  std::string TabFontName = "Arial";
  std::string TabFontSize = "12";
  Color TabBackColor = kWhite;
  Color TabTextColor = kBlack;
  Color TabMouseOverColor = kRed;
  std::string TabBackImage;  // full path

  std::string TreeFontName = "Arial";
  std::string TreeFontSize = "12";
  Color TreeBackColor = kWhite;
  Color TreeTextColor = kBlack;
  Color TreeSelBackColor = kBlue;
  Color TreeSelTextColor = kWhite;
  Color TooltipBackColor = kYellow;
  Color TooltipTextColor = kBlack;
  Color MouseOverColor = kRed;
  Color LineColor = kBlack;
  Color LeafColor = kBlack;
  Color FolderClosedColor = kBlack;
  Color FolderOpenColor = kBlack;
  Color MouseOverFrameColor = kBlack;
  std::string TreeBackImage;  // full path
  bool ShowBorder = false;
  bool ShowTooltip = true;
  bool DoubleClickExpand = false;
  bool StartExpanded = false;
  TMouseOverFrame MouseOverFrame = TMouseOverFrame::None;
  char ToggleSymbol = 'A';  // X none, A plain, B-F boxes and arrows
  bool LeafSymbol = false;
  char LineStyle = 'A';  // X none, A dotted, B solid
  bool UseIcons = true;
  std::int32_t DefFolderClosed = -1;
  std::int32_t DefFolderOpen = -1;
  std::int32_t DefLeaf = -1;

  bool operator==(const TAppletSettings&) const = default;

  // The group resets of the style pages.
  void ResetGeneral();
  void ResetTabStyle();
  void ResetTreeStyle();
  void ResetLocations();
};

// The applet's width and height, as the size boxes hold them.
enum class SizeBox { Width, Height };

// The size rule of a box: empty becomes the box's fallback ("200" wide, "320"
// high), a number above the box's limit (1000 wide, 800 high) becomes the
// limit, any other number stays as it is. Nothing when the text is no number.
std::optional<std::string> sizeOnLeave(SizeBox box, const std::string& text);

// The size rule on both sizes, as every page written or shown needs them; a
// text that is no number takes the fallback.
void applySizeRules(TAppletSettings& settings);

}  // namespace quillon
