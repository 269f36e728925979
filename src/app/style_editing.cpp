#include "app/style_editing.hpp"

namespace quillon {

void setProxyEnhanced(TAppletSettings& settings, bool enhanced) {
  settings.ProxyEnhanced = enhanced;
  if (enhanced) settings.ContentInFile = false;
}

void setContentInFile(TAppletSettings& settings, bool inFile) {
  if (inFile && settings.ProxyEnhanced) return;
  settings.ContentInFile = inFile;
}

void resetGroup(TAppletSettings& settings, SettingsGroup group) {
  switch (group) {
    case SettingsGroup::General: settings.ResetGeneral(); break;
    case SettingsGroup::TabStyle: settings.ResetTabStyle(); break;
    case SettingsGroup::TreeStyle: settings.ResetTreeStyle(); break;
    case SettingsGroup::Locations: settings.ResetLocations(); break;
  }
}

}  // namespace quillon
