#pragma once
// The applet options of the settings pages and the group resets.
#include "model/applet_settings.hpp"

namespace quillon {

// "Proxy server / Firewall enhanced": the proxy applet cannot read an external
// content file, so turning it on puts the node information back in the applet code.
void setProxyEnhanced(TAppletSettings& settings, bool enhanced);

// "Within applet code" (false) or "External file" (true). The external file
// is not offered while the proxy mode is on; asking for it then changes nothing.
void setContentInFile(TAppletSettings& settings, bool inFile);

// The settings groups that have a "Set Defaults" or "Clear" button.
enum class SettingsGroup {
  General,    // "Set Defaults" on the Applet page
  TabStyle,   // "Set Defaults" on the Tab Style page
  TreeStyle,  // "Set Defaults" on the Tree Style page
  Locations,  // "Clear" among the advanced applet settings
};

void resetGroup(TAppletSettings& settings, SettingsGroup group);

}  // namespace quillon
