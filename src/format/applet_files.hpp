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

inline constexpr std::array<const char*, 9> kSupportClasses = {
    "Beans.class",      "Timer.class",      "TreeView.class",        "TreeNode.class",  "InvalidTreeNodeException.class",
    "BaseTabbedPanel.class", "ButtonBase.class", "DirectionButton.class", "TabPanel.class"};

// Below the program folder.
inline constexpr const char* kAppletSourceFolder = "files/JClass/";

}  // namespace quillon
