#pragma once
// Which settings pages are shown and which of their controls are enabled: a
// view reads this after every change instead of following the toggles itself.
#include "model/applet_settings.hpp"

namespace quillon {

struct StyleControlState {
  bool tabPagesShown = false;   // "Tab" and "Tab Style"
  bool treePagesShown = false;  // "Tree" and "Tree Style"
  bool showTabsOnlyOffered = false;
  bool tabBackImageEnabled = false;   // box, browse and remove on "Tab Style"
  bool treeBackImageEnabled = false;  // box, browse and remove on "Tree Style"
  bool iconsToggleEnabled = false;
  // The "Node Images " and "Default Images " groups, the slider previews,
  // "Add images to list" and the image sample.
  bool iconControlsEnabled = false;
  bool iconSliderEnabled = false;  // the icon controls, when there are two images or more to slide through
  bool imageLocationBrowseEnabled = false;
  bool externalFileEnabled = false;

  bool operator==(const StyleControlState&) const = default;
};

// The state for the settings and the number of images in the image list. The
// proxy applet shows no images and reads no content file; the icon controls
// follow the icons toggle; pages of the parts the kind lacks are hidden and
// their controls disabled.
StyleControlState styleControlState(const TAppletSettings& settings, int imageCount);

}  // namespace quillon
