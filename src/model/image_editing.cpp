#include "model/image_editing.hpp"

#include <algorithm>

#include "imaging/image_file.hpp"

namespace quillon {

namespace {

bool anyDefaultImageMissing(const TAppletSettings& settings) {
  return settings.DefFolderClosed == -1 || settings.DefFolderOpen == -1 || settings.DefLeaf == -1;
}

bool refuseWithoutDefaults(const TAppletSettings& settings, UserInterface& ui) {
  if (!anyDefaultImageMissing(settings)) return true;
  ui.message(MessageKind::Error, kDefaultImagesMissingText);
  return false;
}

std::string joinFolder(const std::string& folder, const std::string& name) {
  if (folder.empty() || folder.back() == '/') return folder + name;
  return folder + "/" + name;
}

bool setNodeImage(MenuModel& menu, UserInterface& ui, int sliderPosition, std::int32_t TAppletNode::*field) {
  if (!checkDefaultImagesForNodeImage(menu.Settings, ui)) return false;
  TAppletPage* tab = menu.CurrentTab();
  TreeNode* node = tab == nullptr ? nullptr : tab->Nodes.selected();
  if (node == nullptr || !menu.Images.isValidIndex(sliderPosition)) return false;
  node->Data.*field = sliderPosition;
  return true;
}

}  // namespace

bool checkDefaultImagesForNodes(const TAppletSettings& settings, UserInterface& ui) {
  if (settings.ProxyEnhanced || !settings.UseIcons) return true;
  return refuseWithoutDefaults(settings, ui);
}

bool checkDefaultImagesForNodeImage(const TAppletSettings& settings, UserInterface& ui) {
  return refuseWithoutDefaults(settings, ui);
}

std::array<int, 5> imageBrowseWindow(int sliderPosition, int imageCount) {
  std::array<int, 5> window{};
  for (int offset = -2; offset <= 2; ++offset) {
    int index = sliderPosition + offset;
    window[static_cast<std::size_t>(offset + 2)] = index >= 0 && index < imageCount ? index : -1;
  }
  return window;
}

int addImagesToList(MenuModel& menu, UserInterface& ui, const std::string& programFolder, int sliderPosition) {
  FileDialogRequest request;
  request.title = "Highlight all images you wish to add";
  request.filter = "Gif Files (*.gif)|*.gif";
  request.initialDir = joinFolder(programFolder, "files/JClass/jimages/");
  request.fileMustExist = true;
  request.multiSelect = true;
  std::vector<std::string> chosen = ui.openFiles(request);
  if (chosen.empty()) return sliderPosition;

  for (const std::string& file : chosen) {
    if (menu.Images.AddImage(file) >= 0) continue;  // listed files keep their index
    // The list tells only that the file cannot be used; a file that does not
    // decode at all must not be blamed on its size.
    if (loadImageFile(file))
      ui.message(MessageKind::Error, "Image Error: " + file + " must be 16x16.");
    else
      ui.message(MessageKind::Error, "An error occured while trying to open " + file);
  }
  return std::max(menu.Images.count() - 1, 0);
}

bool setCollapsedImage(MenuModel& menu, UserInterface& ui, int sliderPosition) {
  return setNodeImage(menu, ui, sliderPosition, &TAppletNode::CollapsedImage);
}

bool setExpandedImage(MenuModel& menu, UserInterface& ui, int sliderPosition) {
  return setNodeImage(menu, ui, sliderPosition, &TAppletNode::ExpandedImage);
}

bool setDefaultImage(MenuModel& menu, DefaultImage which, int sliderPosition) {
  if (!menu.Images.isValidIndex(sliderPosition)) return false;
  switch (which) {
    case DefaultImage::FolderClosed: menu.Settings.DefFolderClosed = sliderPosition; break;
    case DefaultImage::FolderOpen: menu.Settings.DefFolderOpen = sliderPosition; break;
    case DefaultImage::Leaf: menu.Settings.DefLeaf = sliderPosition; break;
  }
  return true;
}

}  // namespace quillon
