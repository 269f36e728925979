#pragma once
// The options of the deploy window, one field per control, and the rules for
// its sizes and frame names.
#include <string>

#include "model/menu_model.hpp"
#include "ports/user_interface.hpp"

namespace quillon {

enum class DeployTab : int { Frames = 0, Floating = 1 };

enum class FramePosition { Left, Right, Top, Bottom };

struct FramesOptions {
  FramePosition position = FramePosition::Left;  // optLeft, optRight, optTop, optBottom
  std::string appletFrameSize;                   // txtLeftWidth, computed
  std::string mainFrameSize = "*";               // txtMainWidth
  std::string appletFrameName = "index";         // txtLeftName
  std::string mainFrameName = "main";            // txtMainName
  bool showFrameLines = true;                    // chkFrameLines
  std::string startPage = "MyStart.htm";         // txtStart
  std::string appletPage;                        // txtLeft: the file name of the menu page
  std::string mainPage = "MyMain.htm";           // txtMain
};

struct FloatingOptions {
  std::string startPage = "MyStart.htm";  // txtFStart
  std::string appletPage;                 // txtFLeft: the file name of the menu page
  std::string width;                      // txtFWidth, computed
  std::string height;                     // txtFHeight, computed
};

struct DeployOptions {
  DeployTab tab = DeployTab::Frames;
  FramesOptions frames;
  FloatingOptions floating;
  // Set whenever the sizes are recomputed, cleared by a Save: closing then asks to save.
  bool changed = false;
};

inline constexpr const char* kSizeTooSmallMessage = "The choosen size is smaller as the applet size!\nDefault value assigned.";
inline constexpr const char* kBlankNameMessage = "Name cannot be blank!\nDefault value assigned.";

// The tab of a window tag: 1 Floating Window, any other Frames.
DeployTab deployTab(int tag);

// The window as it opens for the menu: page names, defaults and computed sizes.
DeployOptions deployOptionsFor(const MenuModel& menu, DeployTab tab);
// The options of an earlier showing, shown again for the menu: the page names
// and the sizes follow the menu, everything else stays as the user left it.
DeployOptions deployOptionsAgain(DeployOptions options, const MenuModel& menu);

// The applet frame's size: applet width + 30 beside, height + 20 above or below.
std::string appletFrameSize(FramePosition position, const TAppletSettings& settings);
void recomputeFrameSize(DeployOptions& options, const TAppletSettings& settings);
// The floating window: applet width + 30 by height + 50.
void recomputeFloatingSize(DeployOptions& options, const TAppletSettings& settings);

// A position button: the frame size follows the position.
void choosePosition(DeployOptions& options, FramePosition position, const TAppletSettings& settings);
// "Set Defaults" of the frames tab.
void setFrameDefaults(DeployOptions& options, const TAppletSettings& settings);
// "Left:", "Right:", "Top:" or "Bottom:", the caption of the size and name labels.
std::string positionLabel(FramePosition position);

// The size check of the visible tab: a size below the applet's is refused
// with the message and the defaults are put back. True when the sizes pass.
bool checkDeploySizes(DeployOptions& options, const TAppletSettings& settings, UserInterface& ui);
// An empty frame name is refused with the message and its default put back.
bool checkFrameNames(DeployOptions& options, UserInterface& ui);

// The help page of a tab, below the program folder.
std::string deployHelpPage(DeployTab tab);

}  // namespace quillon
