#pragma once
// The options of the generator window, one field per control, with the
// window's defaults. The window copies its controls into these and back.
#include <string>
#include <vector>

#include "model/applet_kind.hpp"

namespace quillon {

// The window's tabs, in the order of the window's tag.
enum class GeneratorTab : int { TreeView = 0, DropDown = 1, SiteMap = 2, XmlSitemap = 3 };

struct DropDownOptions {
  std::string indentSymbol = "-";                     // cmbIntentSymbol
  std::string indentCount = "2";                      // cmbIntentAmount
  std::string endSymbol = ">";                        // cmbIntentString
  bool useFrames = false;                             // chkTarget
  std::string target;                                 // txtTarget
  bool upperCaseRoots = true;                         // chkUpperRoot
  std::string selectionTitle = "Select to navigate";  // cmbSelect
  std::string outputPage = "MyMenu.htm";              // txtFStart
};

struct TreeViewOptions {
  std::string title = "Morvane`s Quillon";                // txtTOrvel
  std::string firstFolderName = "My Site Name";           // txtTMySite
  std::string firstMouseOverTitle = "Start here to explore";  // txtTExplore
  bool showScrollbar = false;                             // chkScrollbar
  bool showFrameLines = true;                             // chkTFrameLines
  std::string leftFrameName = "index";                    // txtTLeftName
  std::string mainFrameName = "main";                     // txtTMainName
  std::string leftFrameWidth = "250";                     // txtTLeftWidth
  std::string mainFrameWidth = "*";                       // txtTMainWidth
  std::string framesetPage = "MyTree.htm";                // txtTStart
  // Fixed names, shown read-only.
  std::string treePage = "treex.htm";  // txtTLeft
  std::string mainPage = "main.htm";   // txtTMain
};

enum class SiteMapConstruction { SiteMap, Outline };

struct SiteMapOptions {
  SiteMapConstruction construction = SiteMapConstruction::SiteMap;  // optSiteMap / optOutline
  bool useMainTarget = false;      // chkSTarget
  std::string target;              // txtSTarget
  bool upperCaseRoots = false;     // chkUCaseRootNode
  bool breakBeforeRoots = false;   // chkLBRRootNode
  bool upperCaseTabs = true;       // chkUCaseTabCaption
  bool breakBeforeTabs = true;     // chkLBRTabCaptions
  std::string indentSpaces = "4";  // cmbSpaceIntent
  std::string token = "|";         // cmbToken
  bool noLineWrap = true;          // chkLineWrap
  std::string outputPage = "MySiteMap.htm";  // txtStart
};

struct XmlSitemapOptions {
  // The address of the menu page's folder on the web, such as https://www.example.com/.
  std::string baseUrl;  // txtBaseUrl
};

struct GeneratorOptions {
  GeneratorTab tab = GeneratorTab::TreeView;
  DropDownOptions dropDown;
  TreeViewOptions treeView;
  SiteMapOptions siteMap;
  XmlSitemapOptions xmlSitemap;
};

// The tab of a window tag: 0 tree view, 1 drop-down menu, 2 site map; any
// other tag is the tree view.
GeneratorTab generatorTab(int tag);

// "Set Defaults" of the drop-down tab: upper-case roots, "-", ">", "2".
void setDropDownDefaults(DropDownOptions& options);
// "Set Defaults" of the site map tab: the five check boxes.
void setSiteMapDefaults(SiteMapOptions& options);

// The options as the window shows them for a menu of the kind: defaults,
// with the root-node pair checked for a Tree menu.
GeneratorOptions generatorOptionsFor(TAppletKind kind, GeneratorTab tab);

// Which site map controls the window shows.
struct SiteMapControls {
  bool rootNodeOptions = false;    // upper case and line break for root nodes
  bool tabCaptionOptions = false;  // upper case and line break for tab captions
  bool indentSpaces = false;
  bool token = false;
  bool noLineWrap = false;
};
SiteMapControls siteMapControlsFor(TAppletKind kind, SiteMapConstruction construction);

// The items of the window's lists; the indent symbol and token also take free text.
const std::vector<std::string>& indentSymbolItems();
const std::vector<std::string>& indentCountItems();  // also "Number of Indent Spaces"
const std::vector<std::string>& endSymbolItems();
const std::vector<std::string>& selectionTitleItems();
const std::vector<std::string>& tokenItems();

// The help page of a tab, below the program folder.
std::string generatorHelpPage(GeneratorTab tab);

}  // namespace quillon
