#include "app/style_control_state.hpp"

namespace quillon {

StyleControlState styleControlState(const TAppletSettings& settings, int imageCount) {
  const bool images = !settings.ProxyEnhanced;
  StyleControlState state;
  state.tabPagesShown = hasTabs(settings.Kind);
  state.treePagesShown = hasTrees(settings.Kind);
  state.showTabsOnlyOffered = settings.Kind == akTabTree;
  state.tabBackImageEnabled = state.tabPagesShown && images;
  state.treeBackImageEnabled = state.treePagesShown && images;
  state.iconsToggleEnabled = state.treePagesShown && images;
  state.iconControlsEnabled = state.iconsToggleEnabled && settings.UseIcons;
  state.iconSliderEnabled = state.iconControlsEnabled && imageCount >= 2;
  state.imageLocationBrowseEnabled = images;
  state.externalFileEnabled = !settings.ProxyEnhanced;
  return state;
}

}  // namespace quillon
