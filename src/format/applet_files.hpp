#pragma once
// The names by which the three applets and their support classes are shipped,
// written into pages and copied into sites.
#include <array>
#include <string>

#include "model/applet_kind.hpp"

namespace quillon {

struct AppletNames {
  const char* name;     // NAME attribute
  const char* archive;  // ARCHIVE attribute and archive file
  const char* code;     // CODE attribute and class file
};

AppletNames appletNamesFor(TAppletKind kind);

// The script that draws the menu in browsers without Java, from the applet's own parameters.
inline constexpr const char* kMenuScript = "QuillonMenu.js";

// Copied beside every applet: the nine support classes, then the browser script.
inline constexpr std::array<const char*, 10> kSupportClasses = {
    "Beans.class",      "Timer.class",      "TreeView.class",        "TreeNode.class",  "InvalidTreeNodeException.class",
    "BaseTabbedPanel.class", "ButtonBase.class", "DirectionButton.class", "TabPanel.class", kMenuScript};

// Below the program folder.
inline constexpr const char* kAppletSourceFolder = "files/JClass/";

}  // namespace quillon
