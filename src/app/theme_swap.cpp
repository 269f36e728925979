#include "app/theme_swap.hpp"

#include "format/page_reader.hpp"

namespace quillon {

namespace {

// The index a node's icon takes in the theme's image list: an old default
// image becomes the theme's default of the same role, an icon of the node's
// own is listed again (nothing when its file is gone).
std::int32_t carriedIcon(std::int32_t index, const MenuModel& menu, MenuModel& theme) {
  const TAppletSettings& old = menu.Settings;
  if (!menu.Images.isValidIndex(index)) return -1;
  if (index == old.DefFolderClosed) return theme.Settings.DefFolderClosed;
  if (index == old.DefFolderOpen) return theme.Settings.DefFolderOpen;
  if (index == old.DefLeaf) return theme.Settings.DefLeaf;
  return theme.Images.AddImage(menu.Images.ImageFiles()[static_cast<std::size_t>(index)]);
}

void carryNodeIcons(MenuModel& menu, MenuModel& theme) {
  for (int t = 0; t < menu.tabCount(); ++t) {
    menu.tab(t).Nodes.forEachInPageOrder([&](TreeNode& node, int) {
      node.Data.CollapsedImage = carriedIcon(node.Data.CollapsedImage, menu, theme);
      node.Data.ExpandedImage = carriedIcon(node.Data.ExpandedImage, menu, theme);
    });
  }
}

bool applyTheme(MenuModel& menu, const std::string& themePagePath, UserInterface& ui) {
  // The theme is read beside the menu, so a page without an applet changes nothing.
  MenuModel theme;
  theme.Settings = menu.Settings;
  // With no class-file location the theme's files are found in its own folder.
  theme.Settings.Codebase.clear();
  theme.Settings.ResetTabStyle();
  theme.Settings.ResetTreeStyle();
  theme.Document.LastImageDir = menu.Document.LastImageDir;
  ReaderContext reader{ui};
  PageLook look;
  if (!ReadPageLook(theme, themePagePath, reader, look)) return false;
  ui.processEvents();

  carryNodeIcons(menu, theme);
  TAppletSettings& settings = menu.Settings;
  const std::string codebase = settings.Codebase;
  // The start-up tab belongs to the tabs, which stay; the theme's own would name one of its tabs.
  const std::int32_t defaultTab = settings.DefaultTab;
  settings = theme.Settings;
  settings.Codebase = codebase;
  settings.DefaultTab = defaultTab;
  menu.Images = std::move(theme.Images);
  if (theme.Document.ImagesFromPage) menu.Document.ImagesFromPage = true;
  menu.Document.LastImageDir = theme.Document.LastImageDir;
  if (look.bodyTag) menu.Document.BodyTag = *look.bodyTag;
  menu.Document.HeaderLines = std::move(look.frame.headerLines);
  menu.Document.FooterLines = std::move(look.frame.footerLines);
  ui.processEvents();
  return true;
}

}  // namespace

bool swapThemes(MenuModel& menu, const std::string& themePagePath, UserInterface& ui) {
  BusyGuard busy(ui);
  ui.showStatus("Reading HTML file.");
  const bool applied = applyTheme(menu, themePagePath, ui);
  ui.showStatus("Ready.");
  return applied;
}

}  // namespace quillon
