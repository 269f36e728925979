#include "generators/generator_options.hpp"

namespace quillon {

void setDropDownDefaults(DropDownOptions& options) {
  options.upperCaseRoots = true;
  options.indentSymbol = "-";
  options.endSymbol = ">";
  options.indentCount = "2";
}

void setSiteMapDefaults(SiteMapOptions& options) {
  options.upperCaseRoots = false;
  options.breakBeforeRoots = false;
  options.upperCaseTabs = true;
  options.breakBeforeTabs = true;
  options.noLineWrap = true;
}

GeneratorTab generatorTab(int tag) { return tag >= 0 && tag <= 3 ? static_cast<GeneratorTab>(tag) : GeneratorTab::TreeView; }

GeneratorOptions generatorOptionsFor(TAppletKind kind, GeneratorTab tab) {
  GeneratorOptions options;
  options.tab = tab;
  if (kind == akTree) {
    options.siteMap.upperCaseRoots = true;
    options.siteMap.breakBeforeRoots = true;
  }
  return options;
}

SiteMapControls siteMapControlsFor(TAppletKind kind, SiteMapConstruction construction) {
  SiteMapControls controls;
  controls.rootNodeOptions = kind == akTree;
  controls.tabCaptionOptions = hasTabs(kind);
  // A Tab menu has no levels, so it has nothing to indent or to join.
  controls.indentSpaces = kind != akTab;
  controls.token = kind != akTab && construction == SiteMapConstruction::SiteMap;
  controls.noLineWrap = controls.token;
  return controls;
}

const std::vector<std::string>& indentSymbolItems() {
  static const std::vector<std::string> items{"-", "+", "=", ">", "*", "~", ".", "_", "none"};
  return items;
}

const std::vector<std::string>& indentCountItems() {
  static const std::vector<std::string> items{"1", "2", "3", "4", "5", "6", "7", "8", "9", "none"};
  return items;
}

const std::vector<std::string>& endSymbolItems() {
  static const std::vector<std::string> items{">", "<", "}", "{", "]", "[", "none"};
  return items;
}

const std::vector<std::string>& selectionTitleItems() {
  static const std::vector<std::string> items{"Select to navigate", "Please choose your selection",
                                              "Select one ..."};
  return items;
}

const std::vector<std::string>& tokenItems() {
  static const std::vector<std::string> items{"|", ",", ";", ">", "<", "*"};
  return items;
}

std::string generatorHelpPage(GeneratorTab tab) {
  switch (tab) {
    case GeneratorTab::DropDown: return "files/OrvelGenDropDown.htm";
    case GeneratorTab::SiteMap: return "files/OrvelGenSiteMap.htm";
    case GeneratorTab::XmlSitemap: return "files/OrvelGenXmlSitemap.htm";
    case GeneratorTab::TreeView: break;
  }
  return "files/OrvelGenTreeView.htm";
}

}  // namespace quillon
